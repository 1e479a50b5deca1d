#pragma once

#include <QColor>
#include <QtGlobal>

class QPainter;

// Our own card deck, offered through the three calls the rest of the program knows:
// cdtInit reports the card size, cdtDrawExt paints a face, a back or the empty-cell picture,
// cdtTerm releases what the first two acquired.
namespace cards {

enum Mode { FaceUp = 0, FaceDown = 1 };

inline constexpr int Placeholder = 68;

// Colours are 0x00BBGGRR words, red in the low byte.
inline QColor toQColor(quint32 value) {
    return QColor::fromRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

bool cdtInit(int& width, int& height);
// Paints into the rectangle (x, y, width, height) of the painter's device, at that device's
// pixel ratio. Face mode takes card 0..51; back mode takes a back 53..65 or Placeholder.
bool cdtDrawExt(QPainter& painter, int x, int y, int width, int height, int card, int mode,
                quint32 colour);
void cdtTerm();

// Four-colour suits (off by default): spades black, hearts red, diamonds blue, clubs green, on
// the faces and their indices. Backs and the empty cell are the same either way.
void setFourColourSuits(bool on);
bool fourColourSuits();

} // namespace cards
