#pragma once

// The backs of the cards: the crosshatch and the twelve picture backs.

#include <QColor>

class QPainter;

namespace cards {

inline constexpr int CrosshatchBack = 53;
inline constexpr int FirstPictureBack = 54;
inline constexpr int LastPictureBack = 65;

// Paints back 53..65 in the 71 × 96 design space; colour tints the crosshatch back only.
void paintBack(QPainter& painter, int back, const QColor& colour);

// The empty cell: a quiet rounded outline on the table's colour, covering the whole cell.
void paintPlaceholder(QPainter& painter, const QColor& colour);

} // namespace cards
