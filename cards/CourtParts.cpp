#include "CourtParts.h"

#include <QPainter>
#include <QPainterPath>

namespace cards {

QPen ink(double width) {
    return QPen(Palette::Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill) {
    painter.setPen(ink());
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath mirrored(const QPainterPath& half) {
    QTransform flip(-1, 0, 0, 1, 2 * Mid, 0);
    return half.united(flip.map(half));
}

namespace {

// The woven pattern of the cloth, one per rank, so the courts differ even in outline.
void paintMotif(QPainter& painter, const QPainterPath& robe, Motif motif) {
    painter.save();
    painter.setClipPath(robe, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    const QColor light(255, 255, 255, 150);
    for (double y = 28; y < 41; y += 3.5) {
        for (double x = 2 + (int(y) % 2) * 1.75; x < 45; x += 3.5) {
            if (motif == Motif::Dots) {
                painter.setBrush(Palette::Yellow);
                painter.drawEllipse(QPointF(x, y), 0.55, 0.55);
            } else if (motif == Motif::Crosses) {
                painter.fillRect(QRectF(x - 0.9, y - 0.25, 1.8, 0.5), light);
                painter.fillRect(QRectF(x - 0.25, y - 0.9, 0.5, 1.8), light);
            }
        }
    }
    if (motif == Motif::Stripes)
        for (double x = 1; x < 45; x += 3)
            painter.fillRect(QRectF(x, 24, 1.1, 17), QColor(0, 0, 0, 45));
    painter.restore();
}

} // namespace

// Shoulders in two colours with a gold band down the middle.
void paintRobe(QPainter& painter, const CourtColours& colours, Motif motif) {
    QPainterPath robe;
    robe.moveTo(-1, 40);
    robe.lineTo(-1, 29.5);
    robe.cubicTo(2, 27, 9, 25.4, 16, 25);
    robe.lineTo(29, 25);
    robe.cubicTo(36, 25.4, 43, 27, 46, 29.5);
    robe.lineTo(46, 40);
    robe.closeSubpath();
    QPainterPath rightHalf;
    rightHalf.addRect(QRectF(Mid, 0, Mid + 2, 41));
    painter.save();
    painter.fillPath(robe, colours.left);
    painter.fillPath(robe.intersected(rightHalf), colours.right);
    paintMotif(painter, robe, motif);
    painter.setPen(ink());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(robe);
    // Folds of the sleeves.
    painter.setPen(ink(0.4));
    painter.drawLine(QPointF(8, 31), QPointF(7, 39));
    painter.drawLine(QPointF(37, 31), QPointF(38, 39));
    painter.setPen(ink());
    painter.setBrush(Palette::Yellow);
    painter.drawRect(QRectF(Mid - 2, 29, 4, 11));
    painter.setBrush(Palette::Ink);
    for (double y = 31; y < 39; y += 3)
        painter.drawEllipse(QPointF(Mid, y), 0.55, 0.55);
    painter.restore();
}

void paintFace(QPainter& painter, bool rosy) {
    painter.save();
    painter.setPen(ink());
    painter.setBrush(Palette::Skin);
    painter.drawRect(QRectF(Mid - 2.2, 21, 4.4, 5));
    painter.drawEllipse(QPointF(Mid, 17), 5.0, 6.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Ink);
    painter.drawEllipse(QPointF(Mid - 2.1, 16.2), 0.65, 0.65);
    painter.drawEllipse(QPointF(Mid + 2.1, 16.2), 0.65, 0.65);
    painter.setPen(ink(0.45));
    painter.drawLine(QPointF(Mid - 3.2, 14.7), QPointF(Mid - 1.1, 14.5));
    painter.drawLine(QPointF(Mid + 3.2, 14.7), QPointF(Mid + 1.1, 14.5));
    painter.drawLine(QPointF(Mid, 16.6), QPointF(Mid - 0.7, 18.6));
    painter.setPen(QPen(Palette::Red, 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(Mid - 1.2, 20.3), QPointF(Mid + 1.2, 20.3));
    if (rosy) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xF2, 0x9C, 0x9C));
        painter.drawEllipse(QPointF(Mid - 3, 18.6), 1.0, 0.8);
        painter.drawEllipse(QPointF(Mid + 3, 18.6), 1.0, 0.8);
    }
    painter.restore();
}

} // namespace cards
