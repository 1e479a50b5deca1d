#include "SuitShapes.h"

#include <QPainter>
#include <QPen>

#include <array>

namespace cards {
namespace {

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.47);
    p.cubicTo(-0.16, 0.26, -0.5, 0.06, -0.5, -0.2);
    p.cubicTo(-0.5, -0.38, -0.38, -0.48, -0.25, -0.48);
    p.cubicTo(-0.12, -0.48, -0.03, -0.4, 0, -0.27);
    p.cubicTo(0.03, -0.4, 0.12, -0.48, 0.25, -0.48);
    p.cubicTo(0.38, -0.48, 0.5, -0.38, 0.5, -0.2);
    p.cubicTo(0.5, 0.06, 0.16, 0.26, 0, 0.47);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.18, 0.4, 0);
    p.quadTo(0.16, 0.18, 0, 0.5);
    p.quadTo(-0.16, 0.18, -0.4, 0);
    p.quadTo(-0.16, -0.18, 0, -0.5);
    p.closeSubpath();
    return p;
}

// Spade and club share the flared foot.
QPainterPath foot() {
    QPainterPath p;
    p.moveTo(-0.05, 0.1);
    p.cubicTo(-0.05, 0.3, -0.12, 0.42, -0.22, 0.5);
    p.lineTo(0.22, 0.5);
    p.cubicTo(0.12, 0.42, 0.05, 0.3, 0.05, 0.1);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.14, -0.3, 0.5, -0.12, 0.5, 0.12);
    p.cubicTo(0.5, 0.3, 0.37, 0.38, 0.25, 0.38);
    p.cubicTo(0.14, 0.38, 0.05, 0.32, 0, 0.22);
    p.cubicTo(-0.05, 0.32, -0.14, 0.38, -0.25, 0.38);
    p.cubicTo(-0.37, 0.38, -0.5, 0.3, -0.5, 0.12);
    p.cubicTo(-0.5, -0.12, -0.14, -0.3, 0, -0.5);
    p.closeSubpath();
    return p.united(foot());
}

QPainterPath club() {
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.25), 0.23, 0.23);
    p.addEllipse(QPointF(-0.26, 0.1), 0.23, 0.23);
    p.addEllipse(QPointF(0.26, 0.1), 0.23, 0.23);
    p.addEllipse(QPointF(0, 0.03), 0.12, 0.12);
    p.setFillRule(Qt::WindingFill);
    return p.simplified().united(foot());
}

// Centre lines of the rank letters in a box 6 units wide (the ten is wider) and 10 high, the
// stroke half-width kept inside.
QPainterPath ace() {
    QPainterPath p;
    p.moveTo(0.6, 9.2);
    p.lineTo(3, 0.9);
    p.lineTo(5.4, 9.2);
    p.moveTo(1.6, 6.3);
    p.lineTo(4.4, 6.3);
    return p;
}

QPainterPath two() {
    QPainterPath p;
    p.moveTo(0.8, 3.0);
    p.cubicTo(0.8, 0.4, 5.2, 0.4, 5.2, 3.0);
    p.cubicTo(5.2, 5.0, 1.6, 6.4, 0.8, 9.2);
    p.lineTo(5.5, 9.2);
    return p;
}

QPainterPath three() {
    QPainterPath p;
    p.moveTo(0.9, 0.85);
    p.lineTo(5.2, 0.85);
    p.lineTo(2.5, 4.3);
    p.cubicTo(4.4, 4.0, 5.5, 5.2, 5.5, 6.8);
    p.cubicTo(5.5, 9.8, 1.2, 9.8, 0.6, 7.8);
    return p;
}

QPainterPath four() {
    QPainterPath p;
    p.moveTo(4.3, 9.2);
    p.lineTo(4.3, 0.9);
    p.lineTo(0.7, 6.6);
    p.lineTo(5.7, 6.6);
    return p;
}

QPainterPath five() {
    QPainterPath p;
    p.moveTo(5.2, 0.85);
    p.lineTo(1.3, 0.85);
    p.lineTo(1.0, 4.7);
    p.cubicTo(2.6, 3.6, 5.4, 3.9, 5.4, 6.6);
    p.cubicTo(5.4, 9.7, 1.2, 9.8, 0.6, 7.7);
    return p;
}

QPainterPath six() {
    QPainterPath p;
    p.moveTo(4.9, 1.7);
    p.cubicTo(3.8, 0.3, 0.8, 0.6, 0.8, 5.8);
    p.addEllipse(QPointF(3.05, 6.6), 2.25, 2.6);
    return p;
}

QPainterPath seven() {
    QPainterPath p;
    p.moveTo(0.5, 0.85);
    p.lineTo(5.5, 0.85);
    p.cubicTo(3.8, 3.2, 2.6, 5.8, 2.3, 9.2);
    return p;
}

QPainterPath eight() {
    QPainterPath p;
    p.addEllipse(QPointF(3, 3.05), 1.95, 2.15);
    p.addEllipse(QPointF(3, 6.85), 2.35, 2.35);
    return p;
}

QPainterPath nine() {
    QPainterPath p;
    p.addEllipse(QPointF(2.95, 3.4), 2.25, 2.6);
    p.moveTo(5.2, 4.2);
    p.cubicTo(5.2, 9.4, 2.2, 9.7, 1.1, 8.3);
    return p;
}

QPainterPath ten() {
    QPainterPath p;
    p.moveTo(0.1, 2.4);
    p.lineTo(1.8, 0.9);
    p.lineTo(1.8, 9.2);
    p.addEllipse(QPointF(6.1, 5.05), 2.0, 4.15);
    return p;
}

QPainterPath jack() {
    QPainterPath p;
    p.moveTo(2.6, 0.85);
    p.lineTo(5.6, 0.85);
    p.moveTo(4.6, 0.85);
    p.lineTo(4.6, 6.4);
    p.cubicTo(4.6, 9.9, 0.7, 9.9, 0.6, 7.0);
    return p;
}

QPainterPath queen() {
    QPainterPath p;
    p.addEllipse(QPointF(3, 5.0), 2.4, 4.15);
    p.moveTo(3.4, 6.9);
    p.lineTo(5.7, 9.8);
    return p;
}

QPainterPath king() {
    QPainterPath p;
    p.moveTo(1.0, 0.9);
    p.lineTo(1.0, 9.2);
    p.moveTo(5.4, 0.9);
    p.lineTo(1.1, 5.8);
    p.moveTo(2.6, 4.2);
    p.lineTo(5.6, 9.2);
    return p;
}

} // namespace

QColor suitColour(int suit, bool fourColour) {
    // Deep shades of equal weight, so no suit stands out and each stays clear on white.
    if (fourColour && suit == Diamonds)
        return QColor(0x10, 0x4A, 0xC8);
    if (fourColour && suit == Clubs)
        return QColor(0x0E, 0x7A, 0x2A);
    return suit == Diamonds || suit == Hearts ? QColor(0xC8, 0x10, 0x2E) : QColor(0x1A, 0x1A, 0x1A);
}

const QPainterPath& suitPath(int suit) {
    static const std::array<QPainterPath, 4> paths{club(), diamond(), heart(), spade()};
    return paths[std::size_t(suit & 3)];
}

void drawSuit(QPainter& painter, int suit, const QColor& ink, const QRectF& box, bool upsideDown) {
    painter.save();
    painter.translate(box.center());
    if (upsideDown)
        painter.rotate(180);
    painter.scale(box.width(), box.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(suitPath(suit));
    painter.restore();
}

const QPainterPath& rankGlyph(int rank) {
    static const std::array<QPainterPath, 13> glyphs = [] {
        std::array<QPainterPath, 13> all;
        constexpr std::array<QPainterPath (*)(), 13> draw{
            ace, two, three, four, five, six, seven, eight, nine, ten, jack, queen, king};
        for (std::size_t r = 0; r < all.size(); ++r)
            all[r] = draw[r]();
        return all;
    }();
    return glyphs[std::size_t(qBound(0, rank, 12))];
}

double rankGlyphWidth(int rank) {
    return rank == 9 ? 9.0 : 6.0;
}

void drawRank(QPainter& painter, int rank, const QColor& colour, const QRectF& box) {
    const double scale = box.height() / 10.0;
    const double width = rankGlyphWidth(rank) * scale;
    painter.save();
    painter.translate(box.center().x() - width / 2, box.top());
    painter.scale(scale, scale);
    QPen pen(colour, RankStroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rankGlyph(rank));
    painter.restore();
}

} // namespace cards
