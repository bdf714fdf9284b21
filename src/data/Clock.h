#pragma once

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>

namespace pw {

// Every reading of the time goes through this so that tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    // Milliseconds from an arbitrary start that never goes backwards and
    // does not wrap at midnight; used for measuring pauses.
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock : public Clock {
public:
    SystemClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace pw
