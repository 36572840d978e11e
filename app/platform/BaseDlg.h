#pragma once

#include <QDialog>
#include <QPoint>
#include <initializer_list>

class QHBoxLayout;
class QMouseEvent;
class QPushButton;
class QResizeEvent;

// The frameless dialog every dialog of the program builds on: a white panel with
// a thin border, a close button in its top right corner, and dragging by the
// mouse anywhere on the dialog's own surface (child widgets keep their clicks).
class BaseDlg : public QDialog {
    Q_OBJECT
public:
    explicit BaseDlg(QWidget* parent = nullptr);
    ~BaseDlg() override;

    // The corner close button, for dialogs that restyle or hide it.
    QPushButton* CloseButton() const { return m_pCloseBtn; }

    // The row that ends a dialog: its buttons centred, spaced alike, with the
    // pointing hand.
    static QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

public slots:
    virtual void on_closebtn_clicked();

private:
    void ConnectCloseButtons();

    QPushButton* m_pCloseBtn;
    QPoint m_DragOffset;
    bool m_bDragging = false;
};
