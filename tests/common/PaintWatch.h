#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

// Records what the window system had painted of each widget of the program: a
// test can then tell whether a new value repainted one widget alone or the
// widgets beneath it as well.
class PaintWatch : public QObject {
public:
    PaintWatch() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    QRegion Painted(const QWidget* widget) const { return m_Painted.value(widget); }
    bool WasPainted(const QWidget* widget) const { return m_Painted.contains(widget); }
    void Clear() { m_Painted.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_Painted[static_cast<QWidget*>(watched)] += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QHash<const QWidget*, QRegion> m_Painted;
};
