#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLabel;

// The status line's voice. Its accessible name is the current message, steady while the line
// blinks; each new message other than the blank one is announced through a notification child,
// together with whatever else changed in the same turn (the cell acted on, the talon).
class StatusAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit StatusAnnouncer(QLabel* status);

    // The status line shows `message` now (the blink's blank does not come here).
    void setMessage(const QString& message);
    // Said first in the next announcement.
    void addDetail(const QString& text);
    // Said now, with what waits: for the start of something long, during which nothing else is.
    void announceNow(const QString& text);

    QString message() const { return m_message; }
    // The words of the latest announcement.
    QString announcement() const { return m_announcement; }
    int announcementCount() const { return m_count; }

private:
    void queue();
    void flush();

    QLabel* m_status;
    QString m_message;
    QString m_announcement;
    QStringList m_pendingDetails;
    QString m_pendingMessage;
    bool m_queued = false;
    int m_count = 0;
};
