#pragma once

class QColor;
class QPainter;

namespace cards {

// The framed, double-ended court picture of a jack (rank 10), queen (11) or king (12), painted
// in the 71 × 96 design space on an already blank card; its suit signs in ink.
void paintCourt(QPainter& painter, int rank, int suit, const QColor& ink);

} // namespace cards
