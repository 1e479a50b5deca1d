#include "CourtPainter.h"

#include "CourtParts.h"
#include "SuitShapes.h"

#include <QPainter>

namespace cards {
namespace {

// The frame leaves room for the corner indices on both sides.
const QRectF Frame(13.0, 9.0, 45.0, 78.0);
// Its outline sits on whole pixels.
const QRectF FrameLine(12.5, 8.5, 46.0, 79.0);

CourtColours coloursFor(int rank, int suit) {
    // Alternate the two robe colours by suit so the twelve courts are told apart at a glance.
    const bool swap = suit % 2 == 1;
    const QColor first = rank == 10 ? Palette::Yellow : Palette::Red;
    const QColor second = rank == 11 ? Palette::Red : Palette::Blue;
    const QColor robeA = rank == 11 ? Palette::Blue : first;
    return {swap ? second : robeA, swap ? robeA : second};
}

// One half of the picture: the figure from the head down to the waist, in a 45 × 39 box.
void paintHalf(QPainter& painter, int rank, int suit, const QColor& ink) {
    const CourtColours colours = coloursFor(rank, suit);
    if (rank == 12)
        paintKing(painter, colours);
    else if (rank == 11)
        paintQueen(painter, colours);
    else
        paintJack(painter, colours);
    drawSuit(painter, suit, ink, QRectF(2.2, 2.2, 6.4, 7.0));
}

} // namespace

void paintCourt(QPainter& painter, int rank, int suit, const QColor& ink) {
    painter.save();
    painter.setClipRect(Frame);
    painter.fillRect(Frame, Palette::Ground);
    for (int half = 0; half < 2; ++half) {
        painter.save();
        if (half == 0) {
            painter.translate(Frame.topLeft());
        } else {
            painter.translate(Frame.bottomRight());
            painter.rotate(180);
        }
        // Each half keeps to its own side, so the picture reads the same either way up.
        painter.setClipRect(QRectF(0, 0, Frame.width(), Frame.height() / 2), Qt::IntersectClip);
        paintHalf(painter, rank, suit, ink);
        painter.restore();
    }
    painter.setClipping(false);
    painter.setPen(QPen(Palette::Ink, 1.0));
    painter.drawLine(QPointF(Frame.left(), Frame.center().y()),
                     QPointF(Frame.right(), Frame.center().y()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(FrameLine);
    painter.restore();
}

} // namespace cards
