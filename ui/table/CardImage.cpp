#include "table/CardImage.h"

#include "CardDraw.h"

#include <QMouseEvent>
#include <QPainter>

CardImage::CardImage(QWidget* parent)
    : QWidget(parent) {
    // The picture covers the whole control: no background to paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardImage::setPictureSize(QSize size, const QColor& fill) {
    resize(size);
    // Kept at the screen's pixel ratio so the cards stay crisp on dense screens.
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(size * ratio);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(fill);
}

void CardImage::drawCard(int x, int y, int width, int height, int card, int mode, quint32 colour) {
    {
        QPainter painter(&m_picture);
        cards::cdtDrawExt(painter, x, y, width, height, card, mode, colour);
    }
    // The picture changed under the control: the next repaint of the window must draw it, as a
    // repaint of the window alone leaves opaque controls out.
    update(x, y, width, height);
}

void CardImage::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event)
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CardImage::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
}

void CardImage::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->position().toPoint());
}
