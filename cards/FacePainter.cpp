#include "FacePainter.h"

#include "CourtPainter.h"
#include "SuitShapes.h"

#include <QPainter>

#include <array>
#include <vector>

namespace cards {
namespace {

constexpr double CornerRadius = 4.0;

// Pip centres: three columns, and rows from t = 0 (top) to t = 1 (bottom).
constexpr double LeftX = 21.5, CentreX = 35.5, RightX = 49.5;
constexpr double TopY = 16.0, BottomY = 80.0;
constexpr double PipWidth = 12.0, PipHeight = 13.0;

// Rows of the pips in the two side columns and in the centre column, by number of pips.
struct Layout {
    std::vector<double> sides;
    std::vector<double> centre;
};

const Layout& pipLayout(int pips) {
    constexpr double third = 1.0 / 3, sixth = 1.0 / 6;
    static const std::array<Layout, 11> layouts{{
        {},
        {},
        {{}, {0, 1}},
        {{}, {0, 0.5, 1}},
        {{0, 1}, {}},
        {{0, 1}, {0.5}},
        {{0, 0.5, 1}, {}},
        {{0, 0.5, 1}, {0.25}},
        {{0, 0.5, 1}, {0.25, 0.75}},
        {{0, third, 2 * third, 1}, {0.5}},
        {{0, third, 2 * third, 1}, {sixth, 5 * sixth}},
    }};
    return layouts[std::size_t(qBound(0, pips, 10))];
}

void paintPip(QPainter& painter, int suit, const QColor& ink, double x, double t) {
    const double y = TopY + t * (BottomY - TopY);
    drawSuit(painter, suit, ink, QRectF(x - PipWidth / 2, y - PipHeight / 2, PipWidth, PipHeight),
             t > 0.5);
}

void paintPips(QPainter& painter, int suit, const QColor& ink, int pips) {
    const Layout& layout = pipLayout(pips);
    for (double t : layout.sides) {
        paintPip(painter, suit, ink, LeftX, t);
        paintPip(painter, suit, ink, RightX, t);
    }
    for (double t : layout.centre)
        paintPip(painter, suit, ink, CentreX, t);
}

void paintAce(QPainter& painter, int suit, const QColor& ink) {
    const bool spade = suit == Spades;
    const double w = spade ? 34.0 : 28.0;
    const double h = spade ? 36.0 : 30.0;
    const QRectF box(DesignWidth / 2 - w / 2, DesignHeight / 2 - h / 2, w, h);
    drawSuit(painter, suit, ink, box);
    if (!spade)
        return;
    // The ace of spades carries the deck's flourish: a fine white inline inside the big pip.
    painter.save();
    painter.translate(box.center());
    painter.scale(w * 0.8, h * 0.8);
    painter.translate(0, -0.03);
    QPen line(Qt::white, 0.03);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(suitPath(Spades));
    painter.restore();
}

// Rank and small suit in the top-left corner; the caller turns the card for the other corner.
void paintIndex(QPainter& painter, int rank, int suit, const QColor& ink) {
    const double glyphWidth = rank == 9 ? 8.6 : 6.4;
    drawRank(painter, rank, ink, QRectF(6.5 - glyphWidth / 2, 4.0, glyphWidth, 9.6));
    drawSuit(painter, suit, ink, QRectF(3.2, 15.5, 6.6, 7.2));
}

} // namespace

void paintBlankCard(QPainter& painter) {
    painter.save();
    // A one-unit outline centred half a unit in sits on whole pixels at every integer ratio.
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, DesignWidth - 1.0, DesignHeight - 1.0), CornerRadius,
                            CornerRadius);
    painter.restore();
}

void paintFace(QPainter& painter, int card, bool fourColour) {
    const int rank = card / 4;
    const int suit = card % 4;
    const QColor ink = suitColour(suit, fourColour);
    paintBlankCard(painter);
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(DesignWidth, DesignHeight);
            painter.rotate(180);
        }
        paintIndex(painter, rank, suit, ink);
        painter.restore();
    }
    if (rank == 0)
        paintAce(painter, suit, ink);
    else if (rank >= 10)
        paintCourt(painter, rank, suit, ink);
    else
        paintPips(painter, suit, ink, rank + 1);
}

} // namespace cards
