#include "access/TextBoxAccessible.h"

#include "access/AccessibleChildren.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QValidator>

namespace {

class TextBoxInterface : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
public:
    explicit TextBoxInterface(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    // A hidden text is never told, as with Qt's own description.
    bool shown() const { return box()->echoMode() == QLineEdit::Normal; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && shown() && !box()->text().isEmpty())
            return box()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        QString entry = text;
        int at = 0;
        if (!box()->validator() ||
            box()->validator()->validate(entry, at) == QValidator::Acceptable)
            box()->setText(entry);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.passwordEdit = !shown();
        state.selectableText = true;
        return state;
    }
    QRect rect() const override {
        return accessible::toScreen(widget(), QAccessibleWidget::rect());
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText())
            return;
        *start = box()->selectionStart();
        *end = *start + box()->selectionLength();
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    QString text(int start, int end) const override {
        return start <= end && shown() ? box()->text().mid(start, end - start) : QString();
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        if (!shown())
            return hidden(start, end);
        return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        if (!shown())
            return hidden(start, end);
        return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        if (!shown())
            return hidden(start, end);
        return QAccessibleTextInterface::textAtOffset(at(offset), boundary, start, end);
    }
    int characterCount() const override { return int(box()->text().size()); }

    // Measured from the cursor, which the box places itself, scrolled and aligned.
    QRect characterRect(int offset) const override {
        const QString all = box()->text();
        if (!shown() || offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.x() + metrics.horizontalAdvance(all.left(offset)) -
                      metrics.horizontalAdvance(all.left(box()->cursorPosition()));
        const QPoint topLeft = box()->mapToGlobal(QPoint(x, cursor.y()));
        return accessible::toScreen(
            widget(), {topLeft, QSize(metrics.horizontalAdvance(all.at(offset)), cursor.height())});
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(
            box()->mapFromGlobal(accessible::fromScreen(widget(), point)));
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }
    // The box has no attributes of its own: one run, the whole text.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override {
        box()->setText(box()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    // -2 stands for the cursor.
    int at(int offset) const { return offset == -2 ? box()->cursorPosition() : offset; }
    static QString hidden(int* start, int* end) {
        *start = *end = -1;
        return {};
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    return box ? new TextBoxInterface(box) : nullptr;
}

} // namespace

void textboxaccessible::install() {
    QAccessible::installFactory(factory);
}
