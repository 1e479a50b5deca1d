#include "LabelUrl.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>

#include "common/Colours.h"
#include "common/ShellOpen.h"

namespace {

// A screen reader hears the address as a link it can follow, not as a label.
class LinkInterface : public QAccessibleWidget {
public:
    explicit LinkInterface(TLabelUrl* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            label()->follow();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TLabelUrl* label() const { return static_cast<TLabelUrl*>(widget()); }
};

QAccessibleInterface* linkFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<TLabelUrl*>(object);
    return label ? new LinkInterface(label) : nullptr;
}

} // namespace

TLabelUrl::TLabelUrl(QWidget* parent)
    : QLabel(parent) {
    // Qt keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(linkFactory);
    colours::set(this, QPalette::WindowText, 0xFF0000);
    QFont font = this->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(true);
    setFont(font);
    // The hand shows only over the text, so the pointer is followed without a button down.
    setMouseTracking(true);
    setText(QStringLiteral("Http://"));
    setFocusPolicy(Qt::TabFocus);
}

void TLabelUrl::setUrl(const QString& url) {
    m_url = url;
    setText(url);
}

// The rectangle the label paints its one line of text in, from its alignment and margin.
QRect TLabelUrl::textRect() const {
    const int m = margin();
    const QRect box = contentsRect().adjusted(m, m, -m, -m);
    return style()->itemTextRect(fontMetrics(), box, int(alignment()), isEnabled(), text());
}

void TLabelUrl::followPointer(QPoint pos) {
    if (textRect().contains(pos))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TLabelUrl::mouseMoveEvent(QMouseEvent* event) {
    followPointer(event->position().toPoint());
    QLabel::mouseMoveEvent(event);
}

void TLabelUrl::enterEvent(QEnterEvent* event) {
    followPointer(event->position().toPoint());
    QLabel::enterEvent(event);
}

void TLabelUrl::leaveEvent(QEvent* event) {
    unsetCursor();
    QLabel::leaveEvent(event);
}

void TLabelUrl::mousePressEvent(QMouseEvent* event) {
    m_pressed =
        event->button() == Qt::LeftButton && textRect().contains(event->position().toPoint());
    QLabel::mousePressEvent(event);
}

// The second press of a double-click starts no click: the first one has opened the address.
void TLabelUrl::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressed = false;
    event->accept();
}

// A click is a left press and release both on the text.
void TLabelUrl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       textRect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        follow();
}

void TLabelUrl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!opens || event->isAutoRepeat() || event->modifiers() != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    follow();
}

// A key does what a click does, through the same opener.
void TLabelUrl::follow() {
    if (OnClick)
        OnClick(this);
    shell::open(QUrl(m_url));
}
