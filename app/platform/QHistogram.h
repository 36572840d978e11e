#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QPillar;

// A bar chart: one column per label of the X axis, at most one bar (QPillar) per
// column, six or so value labels up the Y axis with light grid lines. The owner
// clears it, sets the labels, adds the bars and sets the full-scale value with
// QPillar::SetMax. Columns keep a readable minimum width: in a scroll area a
// chart of many columns scrolls instead of squeezing its labels.
class QHistogram : public QWidget {
    Q_OBJECT

public:
    static constexpr int MinColumnWidth = 22;

    explicit QHistogram(QWidget* parent = nullptr);
    ~QHistogram() override;

    // Removes every bar; the labels stay until they are set again.
    void Clear();
    // One bar in column index (from 0); a second bar for a column replaces the first.
    void AddData(int value, int index);
    // Labels separated by "?": X from the first column on, Y from the bottom up.
    void SetXText(const QString& labels);
    void SetYText(const QString& labels);
    // How a value reads above its bar and in its tool tip: value / divisor with
    // the given decimals, and the unit in the tool tip. Default: the value as it is.
    void SetValueFormat(int divisor, int decimals, const QString& unit);

    QStringList XTexts() const { return m_XTexts; }
    QStringList YTexts() const { return m_YTexts; }
    int BarCount() const { return m_Pillars.size(); }
    // The bar of a column, or none.
    QPillar* Bar(int index) const;
    QString ValueText(int value) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect PlotRect() const;
    int ColumnCount() const;
    int LeftMargin() const;
    void LayOut();

    QList<QPillar*> m_Pillars;
    QStringList m_XTexts;
    QStringList m_YTexts;
    int m_nDivisor = 1;
    int m_nDecimals = 0;
    QString m_strUnit;
};
