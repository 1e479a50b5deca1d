#include "BackDesigns.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

// Backs after nature: waves, fish, leaves, the sun, flowers and shells.
namespace cards {
namespace {

QPainterPath wave(const QRectF& panel, double y, double amplitude, double period) {
    QPainterPath p;
    p.moveTo(panel.left() - period, y);
    for (double x = panel.left() - period; x < panel.right() + period; x += period) {
        p.quadTo(x + period / 4, y - 2 * amplitude, x + period / 2, y);
        p.quadTo(x + 3 * period / 4, y + 2 * amplitude, x + period, y);
    }
    return p;
}

// A leaf pointing up along the y axis, centred on the origin.
QPainterPath leaf(double length, double width) {
    QPainterPath p;
    p.moveTo(0, -length / 2);
    p.quadTo(width, 0, 0, length / 2);
    p.quadTo(-width, 0, 0, -length / 2);
    return p;
}

} // namespace

void paintWaves(QPainter& painter, const QRectF& panel) {
    const QColor bands[] = {QColor(0x0D, 0x3B, 0x7A), QColor(0x17, 0x5C, 0xB0),
                            QColor(0x3A, 0x86, 0xD6)};
    painter.fillRect(panel, bands[0]);
    int i = 0;
    for (double y = panel.top() + 3; y < panel.bottom() + 6; y += 6.5, ++i) {
        QPainterPath band = wave(panel, y, 1.6, 12);
        band.lineTo(panel.right() + 12, panel.bottom() + 10);
        band.lineTo(panel.left() - 12, panel.bottom() + 10);
        band.closeSubpath();
        painter.fillPath(band.translated(i % 2 ? 6 : 0, 0), bands[i % 3]);
        painter.strokePath(wave(panel, y, 1.6, 12).translated(i % 2 ? 6 : 0, 0),
                           QPen(QColor(0xE6, 0xF4, 0xFF), 0.9));
    }
}

void paintFish(QPainter& painter, const QRectF& panel) {
    QLinearGradient sea(panel.topLeft(), panel.bottomLeft());
    sea.setColorAt(0, QColor(0x18, 0xA0, 0xA8));
    sea.setColorAt(1, QColor(0x05, 0x4A, 0x5E));
    painter.fillRect(panel, sea);
    QPainterPath body;
    body.moveTo(-6, 0);
    body.cubicTo(-3, -4.5, 3, -4.5, 5, 0);
    body.cubicTo(3, 4.5, -3, 4.5, -6, 0);
    body.moveTo(4, 0);
    body.lineTo(8.5, -3.5);
    body.lineTo(8.5, 3.5);
    body.closeSubpath();
    body.setFillRule(Qt::WindingFill);
    int row = 0;
    for (double y = panel.top() + 8; y < panel.bottom(); y += 13, ++row) {
        const double shift = row % 2 ? 10 : 0;
        for (double x = panel.left() + 8 + shift; x < panel.right() + 6; x += 20) {
            painter.save();
            painter.translate(x, y);
            if (row % 2)
                painter.scale(-1, 1);
            painter.setPen(QPen(QColor(0x7A, 0x2E, 0x00), 0.5));
            painter.setBrush(row % 3 == 1 ? QColor(0xFF, 0xD0, 0x3A) : QColor(0xF5, 0x84, 0x1F));
            painter.drawPath(body);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(-3.2, -0.8), 1.0, 1.0);
            painter.restore();
        }
        painter.setPen(QPen(QColor(0xD8, 0xF6, 0xFF), 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(panel.left() + 18 + shift, y + 6.5), 1.0, 1.0);
        painter.drawEllipse(QPointF(panel.left() + 20 + shift, y + 4), 0.7, 0.7);
    }
}

void paintLeaves(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0x1E, 0x55, 0x2C));
    const QPainterPath shape = leaf(11, 5.5);
    int row = 0;
    for (double y = panel.top() + 4; y < panel.bottom() + 6; y += 9, ++row) {
        for (double x = panel.left() + (row % 2 ? 9 : 2); x < panel.right() + 6; x += 14) {
            painter.save();
            painter.translate(x, y);
            painter.rotate(row % 2 ? 40 : -40);
            painter.setPen(QPen(QColor(0x0F, 0x33, 0x18), 0.5));
            painter.setBrush(row % 4 < 2 ? QColor(0x7C, 0xC3, 0x5A) : QColor(0xB5, 0xD9, 0x5C));
            painter.drawPath(shape);
            painter.drawLine(QPointF(0, -4.5), QPointF(0, 6.5));
            painter.restore();
        }
    }
}

void paintSun(QPainter& painter, const QRectF& panel) {
    const QPointF c = panel.center();
    QRadialGradient sky(c, panel.height() * 0.6);
    sky.setColorAt(0, QColor(0xFF, 0xC1, 0x2E));
    sky.setColorAt(1, QColor(0xD8, 0x43, 0x15));
    painter.fillRect(panel, sky);
    painter.setPen(Qt::NoPen);
    for (int ray = 0; ray < 16; ++ray) {
        painter.save();
        painter.translate(c);
        painter.rotate(22.5 * ray);
        const double reach = ray % 2 ? 24 : 34;
        QPainterPath p;
        p.moveTo(-3.2, 0);
        p.lineTo(0, -reach);
        p.lineTo(3.2, 0);
        painter.setBrush(ray % 2 ? QColor(0xFF, 0x8F, 0x00) : QColor(0xFF, 0xE0, 0x66));
        painter.drawPath(p);
        painter.restore();
    }
    painter.setPen(QPen(QColor(0xB3, 0x3A, 0x00), 0.8));
    painter.setBrush(QColor(0xFF, 0xD5, 0x40));
    painter.drawEllipse(c, 12, 12);
    painter.setBrush(QColor(0xFF, 0xE8, 0x80));
    painter.drawEllipse(c, 9, 9);
    // A smiling face, the old almanac sun.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB3, 0x3A, 0x00));
    painter.drawEllipse(c + QPointF(-3.2, -2.2), 1.1, 1.4);
    painter.drawEllipse(c + QPointF(3.2, -2.2), 1.1, 1.4);
    painter.setBrush(QColor(0xFF, 0x9E, 0x70));
    painter.drawEllipse(c + QPointF(-5, 1.5), 1.6, 1.1);
    painter.drawEllipse(c + QPointF(5, 1.5), 1.6, 1.1);
    painter.setPen(QPen(QColor(0xB3, 0x3A, 0x00), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - 3.5, c.y() - 1.5, 7, 6), 200 * 16, 140 * 16);
}

void paintFlowers(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0xD9, 0x4F, 0x7F));
    int row = 0;
    for (double y = panel.top() + 6; y < panel.bottom() + 4; y += 12, ++row) {
        for (double x = panel.left() + (row % 2 ? 14 : 4); x < panel.right() + 5; x += 20) {
            painter.save();
            painter.translate(x, y);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x3F, 0x8F, 0x3A));
            for (double turn : {130.0, 230.0}) {
                painter.save();
                painter.rotate(turn);
                painter.drawPath(leaf(6, 3).translated(0, -5));
                painter.restore();
            }
            painter.setPen(QPen(QColor(0xA0, 0x2A, 0x55), 0.4));
            painter.setBrush(Qt::white);
            for (int petal = 0; petal < 5; ++petal) {
                QTransform t;
                t.rotate(72.0 * petal);
                painter.drawEllipse(t.map(QPointF(0, -2.6)), 2.2, 2.2);
            }
            painter.setBrush(QColor(0xFF, 0xD0, 0x30));
            painter.drawEllipse(QPointF(0, 0), 1.7, 1.7);
            painter.restore();
        }
    }
}

void paintShells(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0x3F, 0xA8, 0xB5));
    QPainterPath fan;
    fan.moveTo(0, 4.5);
    fan.lineTo(-6.5, -1.5);
    fan.cubicTo(-5.5, -6.5, 5.5, -6.5, 6.5, -1.5);
    fan.closeSubpath();
    int row = 0;
    for (double y = panel.top() + 7; y < panel.bottom() + 5; y += 14, ++row) {
        for (double x = panel.left() + (row % 2 ? 15 : 5); x < panel.right() + 7; x += 20) {
            painter.save();
            painter.translate(x, y);
            painter.setPen(QPen(QColor(0x8A, 0x3B, 0x1F), 0.5));
            painter.setBrush(row % 2 ? QColor(0xFF, 0xC2, 0x9A) : QColor(0xFB, 0xE3, 0xC4));
            painter.drawPath(fan);
            for (double a = -0.9; a <= 0.91; a += 0.3)
                painter.drawLine(QPointF(0, 4.5),
                                 QPointF(6.2 * std::sin(a), 4.5 - 9.5 * std::cos(a)));
            painter.drawRect(QRectF(-1.8, 4, 3.6, 1.6));
            painter.restore();
        }
    }
}

} // namespace cards
