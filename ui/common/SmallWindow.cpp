#include "common/SmallWindow.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace {

// A button that is not its window's default lets Return pass up to the window.
class ReturnPresses : public QObject {
public:
    explicit ReturnPresses(QWidget* window)
        : QObject(window)
        , m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QAbstractButton*>(m_window->focusWidget());
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button && button->isEnabled()) {
                button->animateClick();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
};

} // namespace

void smallwindow::showOrRaise(QWidget* window) {
    if (!window->isVisible()) {
        window->show();
        return;
    }
    window->raise();
    window->activateWindow();
}

void smallwindow::returnPressesButtons(QWidget* window) {
    window->installEventFilter(new ReturnPresses(window));
}
