#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>

class QPainter;

// The pieces of the court figures, each drawn in one 45 × 39 half of the frame, head at the top.
namespace cards {

namespace Palette {
inline const QColor Red{0xC8, 0x10, 0x2E};
inline const QColor Blue{0x1F, 0x3F, 0x99};
inline const QColor Yellow{0xF3, 0xC6, 0x23};
inline const QColor Ink{0x1A, 0x1A, 0x1A};
inline const QColor Skin{0xF9, 0xDC, 0xC0};
inline const QColor Ground{0xFF, 0xFB, 0xEE};
inline const QColor Green{0x2E, 0x8B, 0x3A};
} // namespace Palette

struct CourtColours {
    QColor left;
    QColor right;
};

inline constexpr double Mid = 22.5;  // centre line of the half
inline constexpr double Line = 0.55; // outline width

QPen ink(double width = Line);
void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill);
// A left half outline joined with its mirror image across the centre line.
QPainterPath mirrored(const QPainterPath& half);
// Shoulders in the two colours with a gold band down the middle.
enum class Motif { Dots, Crosses, Stripes };
void paintRobe(QPainter& painter, const CourtColours& colours, Motif motif);
void paintFace(QPainter& painter, bool rosy);

void paintKing(QPainter& painter, const CourtColours& colours);
void paintQueen(QPainter& painter, const CourtColours& colours);
void paintJack(QPainter& painter, const CourtColours& colours);

} // namespace cards
