#pragma once

#include <QDateTime>
#include <functional>

// A clock that stands still until the test moves it; pass Func() where a
// clock function is taken.
class ManualClock {
public:
    explicit ManualClock(const QDateTime& start = QDateTime(QDate(2026, 6, 15), QTime(12, 0)))
        : m_Now(start) {}
    QDateTime Now() const { return m_Now; }
    QTime CurrentTime() const { return m_Now.time(); }
    void Set(const QDateTime& moment) { m_Now = moment; }
    void Advance(qint64 ms) { m_Now = m_Now.addMSecs(ms); }
    std::function<QDateTime()> Func() const {
        return [this] { return m_Now; };
    }

private:
    QDateTime m_Now;
};
