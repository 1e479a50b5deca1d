#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;
class QRectF;

// Everything below works in the card's design space: 71 × 96 units, scaled to the real size by
// the caller, so one drawing serves every card size and pixel ratio.
namespace cards {

inline constexpr double DesignWidth = 71.0;
inline constexpr double DesignHeight = 96.0;

// Suit order of the card ids: id mod 4.
enum Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

// The ink of a suit: red and black, or with fourColour spades black, hearts red, diamonds blue
// and clubs green.
QColor suitColour(int suit, bool fourColour = false);

// The suit sign filling a unit box centred on the origin.
const QPainterPath& suitPath(int suit);

// Fills the suit sign into box in ink, turned half a turn when upsideDown.
void drawSuit(QPainter& painter, int suit, const QColor& ink, const QRectF& box,
              bool upsideDown = false);

// The rank letter (rank index 0 = ace .. 12 = king) as stroke centre lines in a box 10 units
// high; its width is rankGlyphWidth(). Drawn with a pen of RankStroke units.
const QPainterPath& rankGlyph(int rank);
double rankGlyphWidth(int rank);
inline constexpr double RankStroke = 1.85;

// Strokes the rank letter so that it fills box (height-led, centred horizontally).
void drawRank(QPainter& painter, int rank, const QColor& colour, const QRectF& box);

} // namespace cards
