#pragma once

class QPainter;

namespace cards {

// The white card with its rounded corners and thin outline, shared by faces and backs.
void paintBlankCard(QPainter& painter);

// Paints face card (0..51) in the 71 × 96 design space, in four suit colours when asked.
void paintFace(QPainter& painter, int card, bool fourColour = false);

} // namespace cards
