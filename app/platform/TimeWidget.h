#pragma once

#include <QDateTime>
#include <QWidget>

class QTimer;

// A clock: the time of day in large digits with the date beneath, refreshed
// every second from the program's clock.
class TimeWidget : public QWidget {
    Q_OBJECT
public:
    explicit TimeWidget(QWidget* parent = nullptr);

    // The moment shown now.
    QDateTime Shown() const { return m_Shown; }
    QString TimeText() const;
    QString DateText() const;

    QSize sizeHint() const override;

public slots:
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* m_pTimer;
    QDateTime m_Shown;
};
