#include "common/NumberBox.h"

#include <QFocusEvent>

void NumberBox::focusSelected() {
    if (hasFocus()) {
        selectAll();
        return;
    }
    m_selectOnFocus = true;
    setFocus();
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool byKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                       reason == Qt::ShortcutFocusReason;
    if (!m_selectOnFocus && !byKey) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // Told of a focus with no reason, the toolkit leaves the selection to the next turn.
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    // A dialog being shown tells its box of a focus its window does not have yet; the real one
    // comes once the window is active.
    m_selectOnFocus = !hasFocus();
    if (m_selectOnFocus)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                selectAll();
        },
        Qt::QueuedConnection);
}
