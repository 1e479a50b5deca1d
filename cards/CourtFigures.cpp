#include "CourtParts.h"

#include <QPainter>
#include <QPainterPath>

namespace cards {
namespace {

// A white collar spotted black: the king's ermine.
void paintErmine(QPainter& painter) {
    QPainterPath collar;
    collar.moveTo(12, 25.5);
    collar.cubicTo(16, 31.5, 29, 31.5, 33, 25.5);
    collar.cubicTo(29, 27.2, 16, 27.2, 12, 25.5);
    painter.save();
    painter.setPen(ink());
    painter.setBrush(Qt::white);
    painter.drawPath(collar.translated(0, 1.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Ink);
    for (double x : {15.5, 19.5, 25.5, 29.5})
        painter.drawRect(QRectF(x - 0.4, 28.4 - 0.4 * qAbs(x - Mid) / 4, 0.8, 1.3));
    painter.restore();
}

void paintBeard(QPainter& painter) {
    QPainterPath beard;
    beard.moveTo(Mid - 5.0, 17.5);
    beard.cubicTo(Mid - 5.2, 24, Mid - 2, 27.5, Mid, 29);
    beard.cubicTo(Mid + 2, 27.5, Mid + 5.2, 24, Mid + 5.0, 17.5);
    beard.cubicTo(Mid + 3.5, 21, Mid + 2, 21.6, Mid, 21.6);
    beard.cubicTo(Mid - 2, 21.6, Mid - 3.5, 21, Mid - 5.0, 17.5);
    painter.save();
    fillOutlined(painter, beard, QColor(0xEE, 0xEE, 0xE8));
    QPainterPath moustache;
    moustache.moveTo(Mid, 19.2);
    moustache.cubicTo(Mid - 1.5, 18.6, Mid - 3, 19.2, Mid - 3.6, 20.6);
    moustache.cubicTo(Mid - 2, 20.2, Mid - 1, 20.4, Mid, 20.2);
    fillOutlined(painter, mirrored(moustache), QColor(0xEE, 0xEE, 0xE8));
    painter.setPen(ink(0.35));
    painter.drawLine(QPointF(Mid - 2, 23), QPointF(Mid - 1, 26.5));
    painter.drawLine(QPointF(Mid + 2, 23), QPointF(Mid + 1, 26.5));
    painter.restore();
}

void paintCrown(QPainter& painter) {
    QPainterPath crown;
    crown.moveTo(Mid - 6.5, 10.5);
    crown.lineTo(Mid - 7.2, 3.2);
    crown.lineTo(Mid - 4.2, 6.2);
    crown.lineTo(Mid - 2.4, 1.6);
    crown.lineTo(Mid, 5.4);
    crown.lineTo(Mid + 2.4, 1.6);
    crown.lineTo(Mid + 4.2, 6.2);
    crown.lineTo(Mid + 7.2, 3.2);
    crown.lineTo(Mid + 6.5, 10.5);
    crown.closeSubpath();
    painter.save();
    fillOutlined(painter, crown, Palette::Yellow);
    painter.setBrush(Palette::Yellow);
    for (double x : {-7.2, -2.4, 2.4, 7.2})
        painter.drawEllipse(QPointF(Mid + x, x == -2.4 || x == 2.4 ? 1.4 : 3.0), 0.9, 0.9);
    painter.setBrush(Palette::Red);
    painter.drawRect(QRectF(Mid - 6.6, 8.2, 13.2, 2.4));
    painter.setBrush(Palette::Blue);
    painter.drawEllipse(QPointF(Mid, 9.4), 0.9, 0.9);
    painter.setBrush(Palette::Green);
    painter.drawEllipse(QPointF(Mid - 4, 9.4), 0.7, 0.7);
    painter.drawEllipse(QPointF(Mid + 4, 9.4), 0.7, 0.7);
    painter.restore();
}

// The king's sceptre, a gold rod ending in an orb with a cross.
void paintSceptre(QPainter& painter) {
    painter.save();
    painter.setPen(ink(0.5));
    painter.setBrush(Palette::Yellow);
    painter.drawRect(QRectF(35.6, 8.5, 1.8, 22));
    painter.drawEllipse(QPointF(36.5, 7.0), 2.4, 2.4);
    painter.setPen(ink(0.8));
    painter.drawLine(QPointF(36.5, 4.6), QPointF(36.5, 1.0));
    painter.drawLine(QPointF(35.0, 2.4), QPointF(38.0, 2.4));
    painter.setPen(ink());
    painter.setBrush(Palette::Skin);
    painter.drawEllipse(QPointF(36.5, 27.5), 2.2, 2.0);
    painter.restore();
}

// Long hair falling to the shoulders, behind the face.
void paintLongHair(QPainter& painter) {
    QPainterPath hair;
    hair.moveTo(Mid, 9.5);
    hair.cubicTo(Mid - 7.5, 9.5, Mid - 8.5, 15, Mid - 9, 27);
    hair.lineTo(Mid - 3, 25);
    hair.lineTo(Mid + 3, 25);
    hair.lineTo(Mid + 9, 27);
    hair.cubicTo(Mid + 8.5, 15, Mid + 7.5, 9.5, Mid, 9.5);
    hair.closeSubpath();
    painter.save();
    fillOutlined(painter, hair, Palette::Yellow);
    painter.setPen(ink(0.35));
    painter.drawLine(QPointF(Mid - 6.6, 16), QPointF(Mid - 7.4, 25));
    painter.drawLine(QPointF(Mid + 6.6, 16), QPointF(Mid + 7.4, 25));
    painter.restore();
}

void paintTiara(QPainter& painter) {
    painter.save();
    painter.setPen(ink());
    painter.setBrush(Palette::Yellow);
    for (double x : {-4.0, 0.0, 4.0}) {
        const double top = x == 0 ? 3.4 : 5.0;
        QPainterPath arch;
        arch.moveTo(Mid + x - 2.0, 9.5);
        arch.quadTo(Mid + x - 2.0, top, Mid + x, top);
        arch.quadTo(Mid + x + 2.0, top, Mid + x + 2.0, 9.5);
        painter.drawPath(arch);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(Mid + x, top - 1.0), 1.0, 1.0);
        painter.setBrush(Palette::Yellow);
    }
    painter.drawRect(QRectF(Mid - 6, 8.6, 12, 2.0));
    painter.setBrush(Palette::Red);
    painter.drawEllipse(QPointF(Mid, 9.6), 0.8, 0.8);
    painter.restore();
}

void paintNecklace(QPainter& painter) {
    QPainterPath neckline;
    neckline.moveTo(Mid - 6.5, 25);
    neckline.lineTo(Mid - 4, 30.5);
    neckline.lineTo(Mid + 4, 30.5);
    neckline.lineTo(Mid + 6.5, 25);
    neckline.closeSubpath();
    painter.save();
    fillOutlined(painter, neckline, Palette::Skin);
    painter.setPen(ink(0.3));
    painter.setBrush(Qt::white);
    for (double x = -4.5; x <= 4.6; x += 1.5)
        painter.drawEllipse(QPointF(Mid + x, 26 + 0.09 * (20 - x * x)), 0.6, 0.6);
    painter.restore();
}

// The queen's rose, held upright.
void paintRose(QPainter& painter) {
    painter.save();
    painter.setPen(QPen(Palette::Green, 1.0));
    painter.drawLine(QPointF(36.5, 10), QPointF(36.5, 27));
    painter.setPen(ink(0.4));
    painter.setBrush(Palette::Green);
    painter.drawEllipse(QPointF(38.6, 17), 2.0, 1.0);
    painter.drawEllipse(QPointF(34.4, 20), 2.0, 1.0);
    painter.setBrush(Palette::Red);
    for (int petal = 0; petal < 5; ++petal) {
        QTransform turn;
        turn.translate(36.5, 7.5).rotate(72.0 * petal);
        painter.drawEllipse(turn.map(QPointF(0, -1.8)), 1.6, 1.6);
    }
    painter.setBrush(Palette::Yellow);
    painter.drawEllipse(QPointF(36.5, 7.5), 1.1, 1.1);
    painter.setPen(ink());
    painter.setBrush(Palette::Skin);
    painter.drawEllipse(QPointF(36.5, 27.5), 2.2, 2.0);
    painter.restore();
}

void paintCurls(QPainter& painter) {
    painter.save();
    painter.setPen(ink(0.45));
    painter.setBrush(Palette::Yellow);
    for (double side : {-1.0, 1.0})
        for (double y : {13.5, 17.0, 20.5})
            painter.drawEllipse(QPointF(Mid + side * 5.6, y), 1.9, 1.9);
    painter.restore();
}

// A soft cap with a gold band and a white feather sweeping back.
void paintCap(QPainter& painter, const QColor& colour) {
    painter.save();
    QPainterPath feather;
    feather.moveTo(Mid - 4, 8.5);
    feather.cubicTo(Mid - 9, 7.5, Mid - 11, 4, Mid - 10.5, 1.2);
    feather.cubicTo(Mid - 8, 3, Mid - 5, 4.5, Mid - 2, 7);
    fillOutlined(painter, feather, Qt::white);
    painter.drawLine(QPointF(Mid - 3.5, 7.6), QPointF(Mid - 9.6, 2.6));
    QPainterPath cap;
    cap.moveTo(Mid - 7, 10.5);
    cap.cubicTo(Mid - 8, 4.5, Mid - 2, 2.5, Mid + 3, 3.0);
    cap.cubicTo(Mid + 8, 3.5, Mid + 9.5, 7, Mid + 7, 10.5);
    cap.closeSubpath();
    fillOutlined(painter, cap, colour);
    painter.setBrush(Palette::Yellow);
    painter.drawRect(QRectF(Mid - 6.8, 9.0, 13.6, 2.2));
    painter.restore();
}

// The jack's halberd: a spear point and an axe blade on a wooden shaft.
void paintHalberd(QPainter& painter) {
    painter.save();
    painter.setPen(ink(0.45));
    painter.setBrush(QColor(0xB0, 0x70, 0x30));
    painter.drawRect(QRectF(36.0, 6, 1.4, 25));
    QPainterPath head;
    head.moveTo(36.7, 0.6);
    head.lineTo(38.0, 5.0);
    head.lineTo(38.0, 6.0);
    head.cubicTo(41.5, 5.0, 42.5, 9.0, 42.0, 12.0);
    head.cubicTo(40.5, 10.5, 39.5, 10.0, 38.0, 10.5);
    head.lineTo(35.4, 10.5);
    head.lineTo(33.2, 8.6);
    head.lineTo(35.4, 6.0);
    head.lineTo(35.4, 5.0);
    head.closeSubpath();
    fillOutlined(painter, head, QColor(0xD8, 0xDC, 0xE2));
    painter.setBrush(Palette::Skin);
    painter.drawEllipse(QPointF(36.7, 27.5), 2.2, 2.0);
    painter.restore();
}

// A square collar over the jack's doublet.
void paintJackCollar(QPainter& painter) {
    QPainterPath collar;
    collar.moveTo(Mid - 7.5, 25);
    collar.lineTo(Mid - 5, 30);
    collar.lineTo(Mid + 5, 30);
    collar.lineTo(Mid + 7.5, 25);
    collar.closeSubpath();
    painter.save();
    fillOutlined(painter, collar, Qt::white);
    painter.setPen(ink(0.35));
    for (double x : {-4.0, -1.5, 1.5, 4.0})
        painter.drawLine(QPointF(Mid + x * 1.2, 25.5), QPointF(Mid + x, 29.6));
    painter.restore();
}

} // namespace

void paintKing(QPainter& painter, const CourtColours& colours) {
    paintRobe(painter, colours, Motif::Dots);
    paintErmine(painter);
    painter.save();
    painter.setPen(ink());
    painter.setBrush(Palette::Yellow);
    painter.drawEllipse(QPointF(Mid - 5.2, 15), 1.9, 4.2);
    painter.drawEllipse(QPointF(Mid + 5.2, 15), 1.9, 4.2);
    painter.restore();
    paintFace(painter, false);
    paintBeard(painter);
    paintCrown(painter);
    paintSceptre(painter);
}

void paintQueen(QPainter& painter, const CourtColours& colours) {
    paintLongHair(painter);
    paintRobe(painter, colours, Motif::Crosses);
    paintNecklace(painter);
    paintFace(painter, true);
    paintTiara(painter);
    paintRose(painter);
}

void paintJack(QPainter& painter, const CourtColours& colours) {
    paintRobe(painter, colours, Motif::Stripes);
    paintJackCollar(painter);
    paintCurls(painter);
    paintFace(painter, false);
    paintCap(painter, colours.left == Palette::Red ? Palette::Blue : Palette::Red);
    paintHalberd(painter);
}

} // namespace cards
