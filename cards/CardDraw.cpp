#include "CardDraw.h"

#include <QPainter>

namespace cards {

bool cdtInit(int& width, int& height) {
    width = 71;
    height = 96;
    return true;
}

bool cdtDrawExt(QPainter& painter, int x, int y, int width, int height, int card, int mode,
                quint32 colour) {
    // Placeholder drawing until the deck is drawn.
    const QColor fill = mode == FaceUp ? QColor(Qt::white) : toQColor(colour);
    painter.fillRect(x, y, width, height, fill);
    painter.drawText(QRect(x, y, width, height), Qt::AlignCenter, QString::number(card));
    return true;
}

void cdtTerm() {}

} // namespace cards
