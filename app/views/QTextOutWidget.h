#pragma once

#include <QList>
#include <QPaintEvent>
#include <QWidget>

class QTextOutItem;

// A vertical list of text lines (the event texts of the status tab), the newest
// at the bottom, at most MaxLines: the oldest lines make room for new ones.
class QTextOutWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int MaxLines = 100;

    explicit QTextOutWidget(QWidget* parent = nullptr);
    ~QTextOutWidget() override;

    void AddLine(const QString& text, int kind);
    void Clear();
    void SetMinWidth(int width);

    int LineCount() const { return m_Items.size(); }
    QTextOutItem* Line(int index) const { return m_Items.value(index); }

protected slots:
    void paintEvent(QPaintEvent* event) override;

private:
    void LayoutLines();

    QList<QTextOutItem*> m_Items;
    int m_nMinWidth = 0;
};
