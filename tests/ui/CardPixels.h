#pragma once

#include "CardDraw.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

// Whether `actual` shows a card picture as the card library paints it. Only the pixels the
// picture covers whatever lies beneath are compared (found by painting it over black and over
// white), so rounded corners over an older picture do not matter and the test does not depend
// on the look of the cards.
inline ::testing::AssertionResult showsPicture(const QImage& actual, int card, int mode,
                                               quint32 colour) {
    auto render = [&](Qt::GlobalColor background) {
        // At the pixel ratio of the picture shown, as the window paints it on a larger table.
        QImage image(actual.size(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(actual.devicePixelRatio());
        image.fill(background);
        QPainter painter(&image);
        const QSize size = image.deviceIndependentSize().toSize();
        cards::cdtDrawExt(painter, 0, 0, size.width(), size.height(), card, mode, colour);
        return image;
    };
    const QImage overBlack = render(Qt::black);
    const QImage overWhite = render(Qt::white);
    const QImage shown = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
               std::abs(qBlue(a) - qBlue(b)) <= 2;
    };
    int covered = 0;
    int wrong = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb expected = overBlack.pixel(x, y);
            if (expected != overWhite.pixel(x, y))
                continue;
            ++covered;
            if (!close(expected, shown.pixel(x, y)))
                ++wrong;
        }
    }
    if (covered < shown.width() * shown.height() / 2)
        return ::testing::AssertionFailure()
               << "the picture of card " << card << " covers only " << covered << " pixels";
    if (wrong > 0)
        return ::testing::AssertionFailure()
               << wrong << " of " << covered << " pixels differ from card " << card << " mode "
               << mode;
    return ::testing::AssertionSuccess();
}
