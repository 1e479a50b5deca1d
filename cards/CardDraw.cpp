#include "CardDraw.h"

#include "BackPainter.h"
#include "FacePainter.h"
#include "SuitShapes.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace cards {
namespace {

struct PictureKey {
    int card;
    int mode;
    quint32 colour;
    QSize pixels;
    bool fourColour;

    bool operator==(const PictureKey&) const = default;
};

size_t qHash(const PictureKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.card, key.mode, key.colour, key.pixels.width(), key.pixels.height(),
                      key.fourColour);
}

QHash<PictureKey, QImage>& pictureCache() {
    static QHash<PictureKey, QImage> cache;
    return cache;
}

bool& fourColourOption() {
    static bool on = false;
    return on;
}

bool isKnown(int card, int mode) {
    if (mode == FaceUp)
        return card >= 0 && card <= 51;
    if (mode == FaceDown)
        return (card >= CrosshatchBack && card <= LastPictureBack) || card == Placeholder;
    return false;
}

// The colour only shapes the crosshatch back and the empty cell; elsewhere it is left out of
// the key so that one picture serves every caller.
quint32 effectiveColour(int card, int mode, quint32 colour) {
    const bool tinted = mode == FaceDown && (card == CrosshatchBack || card == Placeholder);
    return tinted ? colour & 0xFFFFFF : 0;
}

QImage render(const PictureKey& key, qreal ratio) {
    QImage image(key.pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Stretch the design space over the exact pixel grid of the image.
    painter.scale(key.pixels.width() / ratio / DesignWidth,
                  key.pixels.height() / ratio / DesignHeight);
    if (key.mode == FaceUp)
        paintFace(painter, key.card, key.fourColour);
    else if (key.card == Placeholder)
        paintPlaceholder(painter, toQColor(key.colour));
    else
        paintBack(painter, key.card, toQColor(key.colour));
    return image;
}

// At a fractional ratio a rectangle's edges fall between device pixels; rounding them to whole
// pixels lets the picture be blitted one to one, crisp, onto the pixels whose centres lie in the
// rectangle (neighbouring rectangles round their shared edges alike, so none overlap).
QRectF snapToPixels(const QPainter& painter, const QRectF& logical, qreal ratio) {
    const QTransform world = painter.worldTransform();
    if (world.type() > QTransform::TxTranslate)
        return logical;
    const QRectF device(world.map(logical.topLeft()) * ratio, logical.size() * ratio);
    const QPointF topLeft(qRound(device.left()), qRound(device.top()));
    const QPointF bottomRight(qRound(device.right()), qRound(device.bottom()));
    const QRectF snapped(topLeft / ratio, bottomRight / ratio);
    return snapped.translated(-world.dx(), -world.dy());
}

} // namespace

bool cdtInit(int& width, int& height) {
    width = 71;
    height = 96;
    return true;
}

bool cdtDrawExt(QPainter& painter, int x, int y, int width, int height, int card, int mode,
                quint32 colour) {
    if (!isKnown(card, mode) || width <= 0 || height <= 0)
        return false;
    const QPaintDevice* device = painter.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    const QRectF target = snapToPixels(painter, QRectF(x, y, width, height), ratio);
    const QSize pixels(qMax(1, qRound(target.width() * ratio)),
                       qMax(1, qRound(target.height() * ratio)));
    // Backs ignore the option, so they keep one picture whichever suits are chosen.
    const bool fourColour = mode == FaceUp && fourColourOption();
    const PictureKey key{card, mode, effectiveColour(card, mode, colour), pixels, fourColour};
    auto& cache = pictureCache();
    auto found = cache.constFind(key);
    if (found == cache.constEnd())
        found = cache.insert(key, render(key, ratio));
    painter.drawImage(target, *found, found->rect());
    return true;
}

void cdtTerm() {
    pictureCache().clear();
}

void setFourColourSuits(bool on) {
    fourColourOption() = on;
}

bool fourColourSuits() {
    return fourColourOption();
}

} // namespace cards
