#include "table/HeldTimers.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

HeldTimers::HeldTimers(const QList<QTimer*>& timers) {
    for (QTimer* timer : timers) {
        if (!timer)
            continue;
        m_timers.append(timer);
        timer->installEventFilter(this);
    }
}

HeldTimers::~HeldTimers() {
    for (const QPointer<QTimer>& timer : m_timers)
        if (timer)
            timer->removeEventFilter(this);
    // Posted, so the tick comes after what the caller still does, with the input held meanwhile.
    for (const QPointer<QTimer>& timer : m_due)
        if (timer && timer->isActive())
            QCoreApplication::postEvent(timer, new QTimerEvent(timer->timerId()));
}

bool HeldTimers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Timer)
        return false;
    for (const QPointer<QTimer>& timer : m_timers) {
        if (timer == watched) {
            if (!m_due.contains(timer))
                m_due.append(timer);
            return true;
        }
    }
    return false;
}
