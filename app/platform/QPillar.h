#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// One bar of a QHistogram. It covers the full height of its column and fills it
// from the bottom in proportion to its value against the full-scale value, which
// every bar of the program shares (SetMax). The value stands above the bar when
// it fits; the tool tip tells the column label and the value with its unit.
class QPillar : public QWidget {
    Q_OBJECT

public:
    QPillar(int value, int index, QWidget* parent = nullptr);
    ~QPillar() override;

    // The value of a full-height bar, for all bars; values are clipped to it.
    static void SetMax(int max);
    static int Max();

    int Value() const { return m_nValue; }
    int Index() const { return m_nIndex; }
    // The text drawn above the bar (empty: none).
    void SetValueText(const QString& text);
    QString ValueText() const { return m_strValueText; }
    // The fraction of the column the bar fills, 0 .. 1.
    double Fill() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static QList<QPillar*>& Live();

    int m_nValue;
    int m_nIndex;
    QString m_strValueText;
    bool m_bHover = false;
};
