#pragma once

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QString>
#include <QWidget>

// One line of a text list: lights up under the pointer and can be selected (one
// selected line in the whole program). The kind picks the marker drawn before it.
class QTextOutItem : public QWidget {
    Q_OBJECT

public:
    enum State {
        StateHover = 0,
        StateNormal = 1,
        StateSelected = 2,
    };
    static constexpr int LineHeight = 16;

    explicit QTextOutItem(QWidget* parent = nullptr);
    ~QTextOutItem() override;

    void SetText(const QString& text, int kind);
    QString Text() const { return m_strText; }
    int Kind() const { return m_nKind; }
    int ItemState() const { return m_nState; }
    // Width the line needs: its text in its font plus room for the marker.
    int NeededWidth() const;

    static QTextOutItem* SelectedItem();
    // The selected line returns to normal; no line is selected afterwards.
    static void ClearSelection();

protected slots:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void DrawMarker(QPainter& painter) const;

    QString m_strText;
    int m_nKind = 0;
    int m_nState = StateNormal;
};
