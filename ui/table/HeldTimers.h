#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QTimer;

// Keeps the ticks of some timers from running while it lives, as an event loop that sleeps would.
// Each timer that fell due meanwhile and still runs gets one tick once it is gone.
class HeldTimers : public QObject {
public:
    explicit HeldTimers(const QList<QTimer*>& timers);
    ~HeldTimers() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QTimer>> m_timers;
    QList<QPointer<QTimer>> m_due;
};
