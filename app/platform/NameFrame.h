#pragma once

#include <QFrame>
#include <QString>

// A caption: one line of text in a larger, bold face with an accent bar on its
// left. Text too long for the width is elided at the end, the full text shown as
// the tooltip.
class NameFrame : public QFrame {
    Q_OBJECT
public:
    explicit NameFrame(QWidget* parent = nullptr);

    QString text() const { return m_strText; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateTooltip();

    QString m_strText;
};
