#include "CardDraw.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int W = 71;
constexpr int H = 96;

// Suit order of the card ids, and the two inks each suit may take.
enum { Clubs, Diamonds, Hearts, Spades };
const QColor TwoColour[4] = {QColor(0x1A, 0x1A, 0x1A), QColor(0xC8, 0x10, 0x2E),
                             QColor(0xC8, 0x10, 0x2E), QColor(0x1A, 0x1A, 0x1A)};
const QColor FourColour[4] = {QColor(0x0E, 0x7A, 0x2A), QColor(0x10, 0x4A, 0xC8),
                              QColor(0xC8, 0x10, 0x2E), QColor(0x1A, 0x1A, 0x1A)};

QImage face(int card, bool fourColour, qreal ratio) {
    cards::setFourColourSuits(fourColour);
    QImage image((QSizeF(W, H) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    cards::cdtDrawExt(painter, 0, 0, W, H, card, cards::FaceUp, 0xFFFFFF);
    painter.end();
    cards::setFourColourSuits(false);
    return image;
}

// Whether the change from `two` to `four` is the old ink swapped for the new one at the same
// coverage: same alpha, and every channel moved by one share of the inks' difference.
bool onlyInkChanged(QColor two, QColor four, int suit) {
    if (two.alpha() != four.alpha())
        return false;
    const int from[3] = {TwoColour[suit].red(), TwoColour[suit].green(), TwoColour[suit].blue()};
    const int to[3] = {FourColour[suit].red(), FourColour[suit].green(), FourColour[suit].blue()};
    const int was[3] = {two.red(), two.green(), two.blue()};
    const int now[3] = {four.red(), four.green(), four.blue()};
    int widest = 0;
    for (int c = 1; c < 3; ++c)
        if (std::abs(to[c] - from[c]) > std::abs(to[widest] - from[widest]))
            widest = c;
    const double share = double(now[widest] - was[widest]) / (to[widest] - from[widest]);
    if (share < 0 || share > 1.02)
        return false;
    for (int c = 0; c < 3; ++c)
        if (std::abs(now[c] - was[c] - share * (to[c] - from[c])) > 3.0)
            return false;
    return true;
}

} // namespace

TEST(FourColourSuits, OffByDefault) {
    EXPECT_FALSE(cards::fourColourSuits());
}

// The four-colour deck is the two-colour deck with diamonds and clubs re-inked: same shapes,
// same edges, every other pixel identical, at every ratio (each kept apart in the cache).
TEST(FourColourSuits, DifferOnlyInTheInkOfDiamondsAndClubs) {
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        for (int card = 0; card < 52; ++card) {
            const int suit = card % 4;
            const QImage two = face(card, false, ratio);
            const QImage four = face(card, true, ratio);
            ASSERT_EQ(two.size(), four.size());
            if (suit == Hearts || suit == Spades) {
                EXPECT_EQ(two, four) << "card " << card << " at " << ratio;
                continue;
            }
            int changed = 0, unexplained = 0, indexChanged = 0;
            for (int y = 0; y < two.height(); ++y)
                for (int x = 0; x < two.width(); ++x) {
                    const QColor a = two.pixelColor(x, y), b = four.pixelColor(x, y);
                    if (a == b)
                        continue;
                    ++changed;
                    unexplained += !onlyInkChanged(a, b, suit);
                    indexChanged += x < 12 * ratio && y < 24 * ratio;
                }
            EXPECT_EQ(unexplained, 0) << "card " << card << " at " << ratio;
            EXPECT_GT(indexChanged, 20) << "the index of card " << card << " is re-inked too";
            EXPECT_GT(changed, indexChanged) << "the pips of card " << card << " are re-inked";
        }
    }
}

TEST(FourColourSuits, BacksAndTheEmptyCellStayTheSame) {
    for (int back : {53, 54, 65, cards::Placeholder}) {
        QImage pictures[2];
        for (bool four : {false, true}) {
            cards::setFourColourSuits(four);
            QImage image(W, H, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            cards::cdtDrawExt(painter, 0, 0, W, H, back, cards::FaceDown, 0x008000);
            pictures[four] = image;
        }
        cards::setFourColourSuits(false);
        EXPECT_EQ(pictures[0], pictures[1]) << "back " << back;
    }
}
