#include "CardDraw.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using cards::FaceDown;
using cards::FaceUp;

constexpr int W = 71;
constexpr int H = 96;
constexpr int Margin = 10;
const QColor Sentinel(0x12, 0x34, 0x56);

struct Picture {
    int card;
    int mode;
    quint32 colour;
};

// Every picture the program asks for: 52 faces, the crosshatch back in its four colours, the
// twelve picture backs and the empty cell on the table's green.
std::vector<Picture> allPictures() {
    std::vector<Picture> all;
    for (int card = 0; card < 52; ++card)
        all.push_back({card, FaceUp, 0xFFFFFF});
    for (quint32 colour : {0x000080u, 0x0000FFu, 0x00FFFFu, 0xF0CAA6u})
        all.push_back({53, FaceDown, colour});
    for (int back = 54; back <= 65; ++back)
        all.push_back({back, FaceDown, 0x00FFFF});
    all.push_back({cards::Placeholder, FaceDown, 0x008000});
    return all;
}

// Draws one picture at (Margin, Margin) on a canvas of the given ratio filled with Sentinel.
QImage canvas(const Picture& p, qreal ratio = 1.0, bool* drawn = nullptr) {
    const QSize logical(W + 2 * Margin, H + 2 * Margin);
    QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Sentinel);
    QPainter painter(&image);
    const bool ok = cards::cdtDrawExt(painter, Margin, Margin, W, H, p.card, p.mode, p.colour);
    if (drawn)
        *drawn = ok;
    return image;
}

QRect deviceRect(qreal ratio) {
    return QRectF(Margin * ratio, Margin * ratio, W * ratio, H * ratio).toAlignedRect();
}

QImage picture(const Picture& p, qreal ratio = 1.0) {
    return canvas(p, ratio).copy(deviceRect(ratio));
}

bool untouchedOutside(const QImage& image, const QRect& inside) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y) && image.pixelColor(x, y) != Sentinel)
                return false;
    return true;
}

int changedPixels(const QImage& image, const QRect& inside) {
    int changed = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            changed += image.pixelColor(x, y) != Sentinel;
    return changed;
}

// Aligned 2 × 2 blocks whose pixels are not all alike: none in a picture merely scaled up.
int detailedBlocks(const QImage& image) {
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            blocks += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                      image.pixel(x + 1, y + 1) != c;
        }
    return blocks;
}

// Pixels differing by more than a trace of smoothing between two images of one size.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            count += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                         std::abs(p.blue() - q.blue()) >
                     60;
        }
    return count;
}

TEST(CardDraw, ReportsTheCardSize) {
    int w = 0, h = 0;
    EXPECT_TRUE(cards::cdtInit(w, h));
    EXPECT_EQ(std::pair(w, h), std::pair(71, 96));
}

TEST(CardDraw, ConvertsColourWordsRedInTheLowByte) {
    const std::vector<std::pair<quint32, QColor>> table{
        {0x0000FF, QColor(255, 0, 0)},        {0x800000, QColor(0, 0, 128)},
        {0xF0CAA6, QColor(0xA6, 0xCA, 0xF0)}, {0x008000, QColor(0, 128, 0)},
        {0x00FFFF, QColor(255, 255, 0)},      {0xFF00FF00, QColor(0, 255, 0)},
    };
    for (const auto& [word, colour] : table)
        EXPECT_EQ(cards::toQColor(word), colour) << std::hex << word;
}

TEST(CardDraw, EveryPicturePaintsOnlyInsideItsRectangle) {
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const QRect inside = deviceRect(ratio);
        for (const Picture& p : allPictures()) {
            bool drawn = false;
            const QImage image = canvas(p, ratio, &drawn);
            EXPECT_TRUE(drawn) << p.card;
            EXPECT_TRUE(untouchedOutside(image, inside)) << p.card << " at " << ratio;
            EXPECT_GT(changedPixels(image, deviceRect(ratio)),
                      0.9 * inside.width() * inside.height())
                << p.card << " at " << ratio;
        }
    }
}

TEST(CardDraw, TheFiftyTwoFacesArePairwiseDifferent) {
    std::vector<QImage> faces;
    for (int card = 0; card < 52; ++card)
        faces.push_back(picture({card, FaceUp, 0xFFFFFF}));
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            EXPECT_NE(faces[a], faces[b]) << a << " and " << b;
}

TEST(CardDraw, RedSuitsAreRedAndBlackSuitsBlack) {
    // The ace's big pip sits in the middle of the card; suits are 0 clubs .. 3 spades.
    for (int suit = 0; suit < 4; ++suit) {
        const QColor pip = picture({suit, FaceUp, 0xFFFFFF}).pixelColor(W / 2, H / 2);
        const bool red = suit == 1 || suit == 2;
        EXPECT_EQ(pip.red() > 150, red) << suit;
        EXPECT_LT(pip.green(), 60) << suit;
    }
}

TEST(CardDraw, TheBottomRightIndexIsTheTopLeftOneTurned) {
    const QRect topLeft(1, 2, 11, 22);
    const QRect bottomRight(W - 1 - topLeft.right(), H - 1 - topLeft.bottom(), topLeft.width(),
                            topLeft.height());
    for (int card = 0; card < 52; ++card) {
        const QImage face = picture({card, FaceUp, 0xFFFFFF});
        const QImage corner = face.copy(topLeft);
        const QImage turned = face.copy(bottomRight).mirrored(true, true);
        EXPECT_LT(differingPixels(corner, turned), 3) << card;
        EXPECT_GT(differingPixels(corner, QImage(corner.size(), corner.format())), 20) << card;
    }
}

TEST(CardDraw, CourtCardsReadTheSameEitherWayUp) {
    for (int card = 40; card < 52; ++card) {
        const QImage face = picture({card, FaceUp, 0xFFFFFF}, 2.0);
        EXPECT_LT(differingPixels(face, face.mirrored(true, true)),
                  face.width() * face.height() / 200)
            << card;
    }
}

TEST(CardDraw, TheBacksAreAllDifferent) {
    std::vector<QImage> backs;
    for (int back = 53; back <= 65; ++back)
        backs.push_back(picture({back, FaceDown, 0x00FFFF}));
    for (std::size_t a = 0; a < backs.size(); ++a)
        for (std::size_t b = a + 1; b < backs.size(); ++b)
            EXPECT_NE(backs[a], backs[b]) << 53 + a << " and " << 53 + b;
}

TEST(CardDraw, TheCrosshatchBackCarriesItsColour) {
    const std::vector<quint32> colours{0x000080, 0x0000FF, 0x00FFFF, 0xF0CAA6};
    std::vector<QImage> backs;
    for (quint32 colour : colours) {
        const QImage back = picture({53, FaceDown, colour});
        const QRect middle(W / 4, H / 4, W / 2, H / 2);
        int matching = 0;
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x)
                matching += back.pixelColor(x, y) == cards::toQColor(colour);
        EXPECT_GT(matching, middle.width() * middle.height() / 3) << std::hex << colour;
        // The white border stays white whatever the colour.
        EXPECT_EQ(back.pixelColor(W / 2, 2), QColor(Qt::white)) << std::hex << colour;
        backs.push_back(back);
    }
    for (std::size_t a = 0; a < backs.size(); ++a)
        for (std::size_t b = a + 1; b < backs.size(); ++b)
            EXPECT_NE(backs[a], backs[b]);
}

TEST(CardDraw, TheEmptyCellTakesItsColourAndCoversTheCell) {
    for (quint32 colour : {0x008000u, 0x800000u}) {
        const QImage cell = picture({cards::Placeholder, FaceDown, colour});
        for (QPoint corner :
             {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)})
            EXPECT_EQ(cell.pixelColor(corner), cards::toQColor(colour)) << std::hex << colour;
        const QColor middle = cell.pixelColor(W / 2, H / 2);
        EXPECT_LT(std::abs(middle.hue() - cards::toQColor(colour).hue()), 10) << std::hex << colour;
    }
}

TEST(CardDraw, AtRatioTwoThePictureHasRealDetail) {
    for (const Picture& p : {Picture{50, FaceUp, 0xFFFFFF}, Picture{7, FaceUp, 0xFFFFFF},
                             Picture{62, FaceDown, 0}, Picture{53, FaceDown, 0x0000FF}}) {
        const QImage sharp = picture(p, 2.0);
        EXPECT_EQ(sharp.size(), QSize(142, 192));
        const QImage scaled = picture(p, 1.0).scaled(142, 192);
        EXPECT_EQ(detailedBlocks(scaled), 0);
        EXPECT_GT(detailedBlocks(sharp), 100) << p.card;
    }
}

TEST(CardDraw, ACachedDrawGivesTheSamePixelsAsTheFirst) {
    for (qreal ratio : {1.0, 2.0}) {
        for (const Picture& p : {Picture{51, FaceUp, 0xFFFFFF}, Picture{53, FaceDown, 0xF0CAA6},
                                 Picture{cards::Placeholder, FaceDown, 0x008000}}) {
            cards::cdtTerm();
            const QImage first = canvas(p, ratio);
            const QImage cached = canvas(p, ratio);
            cards::cdtTerm();
            const QImage fresh = canvas(p, ratio);
            EXPECT_EQ(first, cached) << p.card;
            EXPECT_EQ(first, fresh) << p.card;
        }
    }
}

TEST(CardDraw, TheColourIsPartOfWhatIsCached) {
    cards::cdtTerm();
    const QImage maroon = picture({53, FaceDown, 0x000080});
    const QImage red = picture({53, FaceDown, 0x0000FF});
    EXPECT_NE(maroon, red);
    EXPECT_EQ(maroon, picture({53, FaceDown, 0x000080}));
}

TEST(CardDraw, UnknownIdsPaintNothing) {
    const std::vector<Picture> unknown{
        {52, FaceUp, 0},   {-1, FaceUp, 0},   {53, FaceUp, 0},   {68, FaceUp, 0},
        {52, FaceDown, 0}, {66, FaceDown, 0}, {67, FaceDown, 0}, {69, FaceDown, 0},
        {-1, FaceDown, 0}, {10, FaceDown, 0}, {0, 2, 0},         {54, -1, 0},
    };
    for (const Picture& p : unknown) {
        bool drawn = true;
        const QImage image = canvas(p, 1.0, &drawn);
        EXPECT_FALSE(drawn) << p.card << " mode " << p.mode;
        EXPECT_EQ(changedPixels(image, image.rect()), 0) << p.card << " mode " << p.mode;
    }
}

} // namespace
