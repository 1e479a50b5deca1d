#include "common/AltMenuBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

const char* const KeeperName = "vestorine-alt-keeper";

// The program's style draws a menu title marked only while its menu is open, so a bar taking the
// keys looked just like a shut one. While the bar takes the keys, its title is drawn as an open
// one's is. A pointer passing over the titles marks them too, yet the bar then has no focus and
// lies under the pointer: that look stays as it was.
class KeyboardTitleStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item && widget && (item->state & State_Selected) &&
            (widget->hasFocus() || !widget->underMouse())) {
            QStyleOptionMenuItem keyed = *item;
            keyed.state |= State_Sunken;
            QProxyStyle::drawControl(element, &keyed, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

bool isLoneAlt(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Alt && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

QMenuBar* shownBarOf(QWidget* window) {
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        if (bar->isVisible() && bar->window() == window)
            return bar;
    return nullptr;
}

// A press of Alt alone, then its release, with no other key or button between: the bar should
// be open. Unlike the toolkit, a change of focus or activation, or a moving pointer, does not
// cancel it.
class AltKeeper : public QObject {
public:
    explicit AltKeeper(QObject* parent)
        : QObject(parent) {
        setObjectName(QLatin1String(KeeperName));
        m_titles->setParent(this);
    }

    // Bars made before the keeper are given to it; it sees the later ones made.
    void markTitles(QMenuBar* bar) {
        if (bar->style() != m_titles)
            bar->setStyle(m_titles);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (isEcho(watched, event))
            return true;
        if (event->type() == QEvent::Polish)
            if (auto* bar = qobject_cast<QMenuBar*>(watched))
                markTitles(bar);
        switch (event->type()) {
        case QEvent::KeyPress:
            if (isLoneAlt(event) && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
                remember(watched);
            else if (!isAltKey(event))
                m_bar = nullptr;
            break;
        case QEvent::KeyRelease:
            if (m_bar && isAltKey(event))
                QMetaObject::invokeMethod(this, &AltKeeper::openIfForgotten, Qt::QueuedConnection);
            else if (!isAltKey(event))
                m_bar = nullptr;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Shortcut:
            m_bar = nullptr;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // With a screen reader listening to keys, the toolkit's accessibility bridge holds each key
    // back, asks the reader, then hands the window a copy. The menu bar acts on Alt as it comes
    // from the system and again on the copy: it opens, then shuts at once. A copy of an Alt
    // that already opened or shut the bar is dropped; one whose original did nothing goes on.
    bool isEcho(QObject* watched, QEvent* event) {
        const QEvent::Type type = event->type();
        // The bridge may take the system's key press before this filter: its shortcut check
        // still comes here first.
        const bool fromSystem = type == QEvent::ShortcutOverride || type == QEvent::KeyPress;
        if (fromSystem && event->spontaneous() && isLoneAlt(event)) {
            m_original = true;
            m_barWasOpen = barOpen();
            return false;
        }
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        const bool copy = !event->spontaneous() && isAltKey(event) && watched->isWindowType();
        if (!copy) {
            if (!isAltKey(event))
                m_original = m_dropRelease = false;
            return false;
        }
        if (type == QEvent::KeyPress) {
            m_dropRelease = m_original && barOpen() != m_barWasOpen;
            m_original = false;
            return m_dropRelease;
        }
        const bool drop = m_dropRelease;
        m_dropRelease = false;
        return drop;
    }
    static bool barOpen() {
        QWidget* window = QApplication::activeWindow();
        QMenuBar* bar = window ? shownBarOf(window) : nullptr;
        return bar && bar->activeAction();
    }

    static bool isAltKey(const QEvent* event) {
        return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Alt;
    }

    // Only a shut bar is remembered: Alt on an open bar closes it, as it should.
    void remember(QObject* watched) {
        m_bar = nullptr;
        auto* widget = qobject_cast<QWidget*>(watched);
        QMenuBar* bar = widget ? shownBarOf(widget->window()) : nullptr;
        if (bar && !bar->activeAction() && !QApplication::activePopupWidget())
            m_bar = bar;
    }

    // Runs once the release went everywhere. When the toolkit forgot the press, it is given
    // the press and the release again, so that the bar opens just as it does by itself.
    void openIfForgotten() {
        QPointer<QMenuBar> bar = m_bar;
        m_bar = nullptr;
        if (!bar || bar->activeAction() || QApplication::activePopupWidget())
            return;
        // Sent where the player's keys go, so that it travels up to the window as theirs did.
        QWidget* target = bar->window()->focusWidget();
        if (!target)
            target = bar->window();
        QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        press.ignore();
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        if (bar && target)
            QApplication::sendEvent(target, &release);
        // Should the toolkit still refuse, the bar takes the focus on its first menu's title.
        if (bar && !bar->activeAction() && !bar->actions().isEmpty()) {
            bar->setFocus(Qt::MenuBarFocusReason);
            bar->setActiveAction(bar->actions().constFirst());
        }
    }

    // One for every bar, the program's own style beneath.
    KeyboardTitleStyle* m_titles = new KeyboardTitleStyle;
    QPointer<QMenuBar> m_bar;
    bool m_original = false;    // an Alt from the system, whose copy may follow
    bool m_barWasOpen = false;  // the bar's state before that Alt
    bool m_dropRelease = false; // the copy's press was dropped: its release goes too
};

} // namespace

void altmenubar::install() {
    if (qApp->findChild<AltKeeper*>(QLatin1String(KeeperName), Qt::FindDirectChildrenOnly))
        return;
    auto* keeper = new AltKeeper(qApp);
    qApp->installEventFilter(keeper);
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            keeper->markTitles(bar);
}
