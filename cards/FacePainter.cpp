#include "FacePainter.h"

#include "CourtPainter.h"
#include "SuitShapes.h"

#include <QPainter>

#include <array>
#include <vector>

namespace cards {
namespace {

constexpr double CornerRadius = 4.0;

// Pip centres: three columns and a top and bottom row, the classic layouts in between.
constexpr double LeftX = 22.5, CentreX = 35.5, RightX = 48.5;
constexpr double TopY = 16.0, BottomY = 80.0;
constexpr double PipWidth = 11.5, PipHeight = 12.5;

struct Pip {
    double x;
    double t; // 0 = top row, 1 = bottom row
};

std::vector<Pip> pipLayout(int pips) {
    std::vector<Pip> out;
    auto sides = [&out](std::initializer_list<double> ts) {
        for (double t : ts) {
            out.push_back({LeftX, t});
            out.push_back({RightX, t});
        }
    };
    auto centre = [&out](std::initializer_list<double> ts) {
        for (double t : ts)
            out.push_back({CentreX, t});
    };
    switch (pips) {
    case 2:
        centre({0, 1});
        break;
    case 3:
        centre({0, 0.5, 1});
        break;
    case 4:
        sides({0, 1});
        break;
    case 5:
        sides({0, 1});
        centre({0.5});
        break;
    case 6:
        sides({0, 0.5, 1});
        break;
    case 7:
        sides({0, 0.5, 1});
        centre({0.25});
        break;
    case 8:
        sides({0, 0.5, 1});
        centre({0.25, 0.75});
        break;
    case 9:
        sides({0, 1.0 / 3, 2.0 / 3, 1});
        centre({0.5});
        break;
    case 10:
        sides({0, 1.0 / 3, 2.0 / 3, 1});
        centre({1.0 / 6, 5.0 / 6});
        break;
    default:
        break;
    }
    return out;
}

void paintPips(QPainter& painter, int suit, int pips) {
    for (const Pip& pip : pipLayout(pips)) {
        const double y = TopY + pip.t * (BottomY - TopY);
        const QRectF box(pip.x - PipWidth / 2, y - PipHeight / 2, PipWidth, PipHeight);
        drawSuit(painter, suit, box, pip.t > 0.5);
    }
}

void paintAce(QPainter& painter, int suit) {
    const bool spade = suit == Spades;
    const double w = spade ? 34.0 : 28.0;
    const double h = spade ? 36.0 : 30.0;
    const QRectF box(DesignWidth / 2 - w / 2, DesignHeight / 2 - h / 2, w, h);
    drawSuit(painter, suit, box);
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
void paintIndex(QPainter& painter, int rank, int suit) {
    const double glyphWidth = rank == 9 ? 8.6 : 6.4;
    drawRank(painter, rank, suitColour(suit), QRectF(6.5 - glyphWidth / 2, 4.0, glyphWidth, 9.6));
    drawSuit(painter, suit, QRectF(3.2, 15.5, 6.6, 7.2));
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

void paintFace(QPainter& painter, int card) {
    const int rank = card / 4;
    const int suit = card % 4;
    paintBlankCard(painter);
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(DesignWidth, DesignHeight);
            painter.rotate(180);
        }
        paintIndex(painter, rank, suit);
        painter.restore();
    }
    if (rank == 0)
        paintAce(painter, suit);
    else if (rank >= 10)
        paintCourt(painter, rank, suit);
    else
        paintPips(painter, suit, rank + 1);
}

} // namespace cards
