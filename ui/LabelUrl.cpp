#include "LabelUrl.h"

#include <QMouseEvent>
#include <QUrl>

#include "CardDraw.h"
#include "ShellOpen.h"

TLabelUrl::TLabelUrl(QWidget* parent)
    : QLabel(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, cards::toQColor(0xFF0000));
    setPalette(palette);
    QFont font = this->font();
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setText(QStringLiteral("Http://"));
}

void TLabelUrl::setUrl(const QString& url) {
    m_url = url;
    setText(url);
}

void TLabelUrl::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a left press and release both on the label.
void TLabelUrl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (!click)
        return;
    if (OnClick)
        OnClick(this);
    shell::open(QUrl(m_url));
}
