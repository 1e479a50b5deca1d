#include "access/StatusAnnouncer.h"

#include "access/AccessibleChildren.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace {

using accessible::ChildInterface;
using accessible::ChildList;
using accessible::notify;

// The words of the latest announcement, as a label: a screen reader brailles a notification
// from the labels inside it, and speaks them after the notification's own name, left empty so
// that they are not dropped as a repeat of it.
class WordsInterface : public ChildInterface {
public:
    WordsInterface(QWidget* status, StatusAnnouncer* announcer, QAccessibleInterface* note)
        : ChildInterface(status)
        , m_announcer(announcer)
        , m_note(QAccessible::uniqueId(note)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_announcer ? m_announcer->announcement() : QString();
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::accessibleInterface(m_note);
    }
    QRect rect() const override { return parent() ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return shownState(); }

private:
    QPointer<StatusAnnouncer> m_announcer;
    QAccessible::Id m_note;
};

// What the status line announced last: a screen reader speaks a notification when it shows.
class NoteInterface : public ChildInterface {
public:
    NoteInterface(QWidget* status, StatusAnnouncer* announcer)
        : ChildInterface(status)
        , m_announcer(announcer) {}

    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return parent() ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return shownState(); }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        auto* self = const_cast<NoteInterface*>(this);
        return m_words.at(index, 1, [self] {
            return new WordsInterface(self->owner(), self->m_announcer.data(), self);
        });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return m_words.indexOf(child);
    }

private:
    QPointer<StatusAnnouncer> m_announcer;
    mutable ChildList m_words;
};

// The status line: named by its current message, whatever the blink shows.
class StatusInterface : public QAccessibleWidget {
public:
    StatusInterface(QLabel* status, StatusAnnouncer* announcer)
        : QAccessibleWidget(status, QAccessible::StatusBar)
        , m_announcer(announcer) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_announcer)
            return m_announcer->message();
        return QAccessibleWidget::text(t);
    }
    QRect rect() const override {
        return accessible::toScreen(widget(), QAccessibleWidget::rect());
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        QWidget* status = widget();
        StatusAnnouncer* announcer = m_announcer.data();
        return m_note.at(index, 1,
                         [status, announcer] { return new NoteInterface(status, announcer); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return m_note.indexOf(child);
    }

private:
    QPointer<StatusAnnouncer> m_announcer;
    mutable ChildList m_note;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (!label)
        return nullptr;
    if (auto* announcer = label->findChild<StatusAnnouncer*>(QString(), Qt::FindDirectChildrenOnly))
        return new StatusInterface(label, announcer);
    return nullptr;
}

} // namespace

StatusAnnouncer::StatusAnnouncer(QLabel* status)
    : QObject(status)
    , m_status(status) {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(factory);
}

void StatusAnnouncer::setMessage(const QString& message) {
    if (message == m_message)
        return;
    m_message = message;
    // A name of its own keeps the blink, which only changes the text, away from the bridge.
    m_status->setAccessibleName(message);
    // The last message of the turn is the one said; the blank is never said.
    m_pendingMessage = message;
    if (!message.isEmpty())
        queue();
}

void StatusAnnouncer::addDetail(const QString& text) {
    m_pendingDetails << text;
    queue();
}

void StatusAnnouncer::announceNow(const QString& text) {
    m_pendingDetails << text;
    flush();
}

void StatusAnnouncer::queue() {
    // One announcement for one turn of the event loop: a screen reader cuts a message short
    // when the next one arrives.
    if (m_queued)
        return;
    m_queued = true;
    QMetaObject::invokeMethod(this, &StatusAnnouncer::flush, Qt::QueuedConnection);
}

void StatusAnnouncer::flush() {
    m_queued = false;
    QStringList parts = m_pendingDetails;
    if (!m_pendingMessage.isEmpty())
        parts << m_pendingMessage;
    m_pendingDetails.clear();
    m_pendingMessage.clear();
    if (parts.isEmpty())
        return;
    m_announcement = parts.join(QStringLiteral(". "));
    ++m_count;
    if (!QAccessible::isActive())
        return;
    // Tools keep the names they read: the new words first, then the showing.
    if (QAccessibleInterface* status = QAccessible::queryAccessibleInterface(m_status)) {
        QAccessibleInterface* note = status->child(0);
        notify(note->child(0), QAccessible::NameChanged);
        notify(note, QAccessible::ObjectShow);
    }
}
