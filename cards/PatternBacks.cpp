#include "BackDesigns.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

// Backs after made things and patterns: stars, a castle, a compass rose, a robot, a checker of
// diamonds and a lattice of rings.
namespace cards {
namespace {

QPainterPath star(double outer, double inner, int points) {
    QPainterPath p;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = std::numbers::pi * i / points;
        const double r = i % 2 ? inner : outer;
        const QPointF q(r * std::sin(a), -r * std::cos(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

QPainterPath battlements(double left, double top, double width, int merlons) {
    QPainterPath p;
    const double step = width / (2 * merlons - 1);
    for (int i = 0; i < merlons; ++i)
        p.addRect(QRectF(left + 2 * i * step, top, step, 2.2));
    return p;
}

void paintTower(QPainter& painter, double x, double top, double bottom, const QColor& roof) {
    painter.drawRect(QRectF(x - 5, top, 10, bottom - top));
    QPainterPath cone;
    cone.moveTo(x - 6.5, top);
    cone.lineTo(x, top - 11);
    cone.lineTo(x + 6.5, top);
    cone.closeSubpath();
    painter.save();
    painter.setBrush(roof);
    painter.drawPath(cone);
    painter.drawLine(QPointF(x, top - 11), QPointF(x, top - 16));
    QPainterPath flag;
    flag.moveTo(x, top - 16);
    flag.lineTo(x + 4.5, top - 14.8);
    flag.lineTo(x, top - 13.6);
    painter.setBrush(QColor(0xF3, 0xC6, 0x23));
    painter.drawPath(flag);
    painter.setBrush(QColor(0x30, 0x30, 0x40));
    painter.drawRoundedRect(QRectF(x - 1.2, top + 4, 2.4, 4), 1.2, 1.2);
    painter.restore();
}

} // namespace

void paintStars(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0x12, 0x1F, 0x55));
    const QPainterPath shape = star(4.6, 1.9, 5);
    painter.setPen(Qt::NoPen);
    int row = 0;
    for (double y = panel.top() + 5; y < panel.bottom() + 5; y += 11, ++row) {
        for (double x = panel.left() + (row % 2 ? 12 : 3); x < panel.right() + 5; x += 18) {
            painter.setBrush(QColor(0xF7, 0xD3, 0x4A));
            painter.drawPath(shape.translated(x, y));
            painter.setBrush(QColor(0xC8, 0xD4, 0xFF));
            painter.drawEllipse(QPointF(x + 9, y + 1), 0.7, 0.7);
        }
    }
}

void paintCastle(QPainter& painter, const QRectF& panel) {
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, QColor(0x4F, 0xA3, 0xE0));
    sky.setColorAt(1, QColor(0xCF, 0xEC, 0xFF));
    painter.fillRect(panel, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(panel.left() + 14, panel.top() + 12), 7, 3);
    painter.drawEllipse(QPointF(panel.right() - 12, panel.top() + 20), 6, 2.5);
    QPainterPath hill;
    hill.moveTo(panel.left(), panel.bottom() - 16);
    hill.quadTo(panel.center().x(), panel.bottom() - 26, panel.right(), panel.bottom() - 16);
    hill.lineTo(panel.bottomRight());
    hill.lineTo(panel.bottomLeft());
    painter.setBrush(QColor(0x3E, 0x9A, 0x3A));
    painter.drawPath(hill);
    const double cx = panel.center().x();
    const double base = panel.bottom() - 20;
    painter.setPen(QPen(QColor(0x3A, 0x3A, 0x48), 0.6));
    painter.setBrush(QColor(0xC9, 0xC5, 0xBC));
    // The keep stands behind the curtain wall, whose battlements run in front of it.
    paintTower(painter, cx, base - 40, base - 20, QColor(0x2C, 0x4C, 0xA8));
    painter.drawRect(QRectF(cx - 14, base - 20, 28, 20));
    painter.drawPath(battlements(cx - 11, base - 22.2, 22, 5));
    paintTower(painter, cx - 16, base - 30, base, QColor(0xC6, 0x28, 0x28));
    paintTower(painter, cx + 16, base - 30, base, QColor(0xC6, 0x28, 0x28));
    painter.setBrush(QColor(0x4A, 0x2C, 0x18));
    QPainterPath gate;
    gate.moveTo(cx - 4.5, base);
    gate.lineTo(cx - 4.5, base - 7);
    gate.arcTo(QRectF(cx - 4.5, base - 11.5, 9, 9), 180, -180);
    gate.lineTo(cx + 4.5, base);
    painter.drawPath(gate);
}

void paintCompass(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0xF1, 0xE2, 0xBC));
    const QPointF c = panel.center();
    painter.setPen(QPen(QColor(0x8A, 0x5A, 0x2B), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 27, 27);
    painter.drawEllipse(c, 24.5, 24.5);
    painter.drawEllipse(c, 12, 12);
    for (int tick = 0; tick < 32; ++tick) {
        const double a = std::numbers::pi * tick / 16;
        painter.drawLine(c + QPointF(24.5 * std::sin(a), 24.5 * std::cos(a)),
                         c + QPointF(27 * std::sin(a), 27 * std::cos(a)));
    }
    painter.translate(c);
    // Minor points first, so the four major ones lie on top.
    for (int point : {1, 3, 5, 7, 0, 2, 4, 6}) {
        const bool major = point % 2 == 0;
        painter.save();
        painter.rotate(45.0 * point);
        const double reach = major ? 30 : 17;
        const double half = major ? 4.5 : 3.5;
        for (int side = 0; side < 2; ++side) {
            QPainterPath blade;
            blade.moveTo(0, 0);
            blade.lineTo(0, -reach);
            blade.lineTo(side ? half : -half, -half);
            blade.closeSubpath();
            painter.setPen(QPen(QColor(0x2A, 0x1E, 0x10), 0.4));
            const QColor light = major ? QColor(0xFA, 0xF3, 0xE0) : QColor(0xE8, 0x6A, 0x50);
            const QColor dark = major ? QColor(0x1C, 0x2E, 0x5E) : QColor(0xA3, 0x2A, 0x1E);
            painter.setBrush(side ? dark : light);
            painter.drawPath(blade);
        }
        painter.restore();
    }
    painter.setBrush(QColor(0xD4, 0xA0, 0x30));
    painter.drawEllipse(QPointF(0, 0), 2.2, 2.2);
}

void paintRobot(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0x4C, 0x5F, 0x7E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x62, 0x78, 0x9A));
    for (double y = panel.top() + 3; y < panel.bottom(); y += 6)
        for (double x = panel.left() + 3; x < panel.right(); x += 6)
            painter.drawEllipse(QPointF(x, y), 0.8, 0.8);
    const double cx = panel.center().x();
    const double top = panel.top() + 14;
    const QColor metal(0xD0, 0xD6, 0xDE), accent(0xE0, 0x3C, 0x31), glow(0x5F, 0xF2, 0xF0);
    painter.setPen(QPen(QColor(0x1E, 0x24, 0x30), 0.7));
    painter.setBrush(metal);
    painter.drawLine(QPointF(cx, top - 7), QPointF(cx, top));
    painter.setBrush(accent);
    painter.drawEllipse(QPointF(cx, top - 7.5), 1.8, 1.8);
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(cx - 11, top, 22, 16), 3, 3);
    painter.drawRect(QRectF(cx - 13.5, top + 5, 2.5, 6));
    painter.drawRect(QRectF(cx + 11, top + 5, 2.5, 6));
    painter.drawRoundedRect(QRectF(cx - 14, top + 19, 28, 23), 2.5, 2.5);
    painter.drawRoundedRect(QRectF(cx - 21, top + 20, 6, 19), 2.5, 2.5);
    painter.drawRoundedRect(QRectF(cx + 15, top + 20, 6, 19), 2.5, 2.5);
    painter.drawRect(QRectF(cx - 10, top + 42, 7, 14));
    painter.drawRect(QRectF(cx + 3, top + 42, 7, 14));
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(cx - 5, top + 7), 3, 3);
    painter.drawEllipse(QPointF(cx + 5, top + 7), 3, 3);
    painter.setBrush(QColor(0x1E, 0x24, 0x30));
    painter.drawRect(QRectF(cx - 5, top + 12, 10, 1.8));
    painter.drawRect(QRectF(cx - 8, top + 23, 16, 9));
    const QColor lights[] = {accent, glow, QColor(0xF3, 0xC6, 0x23)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(lights[i]);
        painter.drawEllipse(QPointF(cx - 5 + 5 * i, top + 27.5), 1.6, 1.6);
    }
    painter.setBrush(accent);
    painter.drawRect(QRectF(cx - 14, top + 35, 28, 2.5));
}

void paintDiamonds(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0xE4, 0xB4, 0x3C));
    painter.setPen(QPen(QColor(0x5A, 0x0E, 0x0E), 0.5));
    const double w = 10, h = 14;
    int row = 0;
    for (double y = panel.top(); y < panel.bottom() + h; y += h / 2, ++row) {
        for (double x = panel.left() + (row % 2 ? w / 2 : 0); x < panel.right() + w; x += w) {
            QPainterPath d;
            d.moveTo(x, y - h / 2);
            d.lineTo(x + w / 2, y);
            d.lineTo(x, y + h / 2);
            d.lineTo(x - w / 2, y);
            d.closeSubpath();
            painter.setBrush(row % 2 ? QColor(0x9E, 0x16, 0x1E) : QColor(0xC8, 0x2A, 0x30));
            painter.drawPath(d);
            painter.setBrush(QColor(0xF6, 0xD8, 0x70));
            painter.drawEllipse(QPointF(x + w / 2, y), 0.9, 0.9);
        }
    }
}

void paintRings(QPainter& painter, const QRectF& panel) {
    painter.fillRect(panel, QColor(0x48, 0x26, 0x6E));
    // Gold rings tied to their neighbours by short bars, each with a jewel at its heart.
    const double step = 11.5, radius = 3.9;
    const QPointF origin = panel.center() - QPointF(3 * step, 4 * step);
    painter.setPen(QPen(QColor(0xB8, 0x8A, 0x3A), 1.2));
    for (int row = 0; row < 9; ++row) {
        const double y = origin.y() + row * step;
        painter.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
    }
    for (int col = 0; col < 7; ++col) {
        const double x = origin.x() + col * step;
        painter.drawLine(QPointF(x, panel.top()), QPointF(x, panel.bottom()));
    }
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QPointF c = origin + QPointF(col * step, row * step);
            painter.setPen(QPen(QColor(0x24, 0x0E, 0x3C), 2.4));
            painter.setBrush(QColor(0x48, 0x26, 0x6E));
            painter.drawEllipse(c, radius, radius);
            painter.setPen(QPen(QColor(0xF0, 0xCF, 0x63), 1.6));
            painter.drawEllipse(c, radius, radius);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x6F, 0xD3, 0xE8));
            painter.drawEllipse(c, 1.2, 1.2);
        }
    }
}

} // namespace cards
