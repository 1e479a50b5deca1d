// Writes a contact sheet of every card picture, each labelled with its id, the faces once in two
// colours and once in four:
//   contactsheet [output directory [pixel ratio...]]
// The directory defaults to the current one and the ratios to 1 and 2, giving cards.png and
// cards@2x.png (cards@1.5x.png for a ratio of 1.5).
#include "CardDraw.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

struct Entry {
    int card;
    int mode;
    quint32 colour;
    bool fourColour = false;
};

constexpr int Columns = 13;
constexpr int Gap = 8;
constexpr int LabelHeight = 14;

std::vector<Entry> entries() {
    std::vector<Entry> all;
    for (bool fourColour : {false, true})
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 0; rank < 13; ++rank)
                all.push_back({4 * rank + suit, cards::FaceUp, 0xFFFFFF, fourColour});
    for (quint32 colour : {0x000080u, 0x0000FFu, 0x00FFFFu, 0xF0CAA6u})
        all.push_back({53, cards::FaceDown, colour});
    for (int back = 54; back <= 65; ++back)
        all.push_back({back, cards::FaceDown, 0x00FFFF});
    all.push_back({cards::Placeholder, cards::FaceDown, 0x008000});
    return all;
}

QImage sheet(qreal ratio, int w, int h) {
    const std::vector<Entry> all = entries();
    const int rows = int(all.size() + Columns - 1) / Columns;
    const QSize size(Gap + Columns * (w + Gap), Gap + rows * (h + LabelHeight + Gap));
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x00, 0x60, 0x00));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int x = Gap + int(i % Columns) * (w + Gap);
        const int y = Gap + int(i / Columns) * (h + LabelHeight + Gap);
        cards::setFourColourSuits(all[i].fourColour);
        cards::cdtDrawExt(painter, x, y, w, h, all[i].card, all[i].mode, all[i].colour);
        painter.drawText(QRect(x, y + h, w, LabelHeight), Qt::AlignCenter,
                         QString::number(all[i].card));
    }
    cards::setFourColourSuits(false);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QList<qreal> ratios{1.0, 2.0};
    if (argc > 2) {
        ratios.clear();
        for (int i = 2; i < argc; ++i)
            ratios.append(QString::fromLocal8Bit(argv[i]).toDouble());
    }
    int w = 0, h = 0;
    cards::cdtInit(w, h);
    bool ok = true;
    for (qreal ratio : ratios) {
        const QString name =
            ratio == 1.0 ? QStringLiteral("cards.png") : QStringLiteral("cards@%1x.png").arg(ratio);
        ok = ratio > 0 && sheet(ratio, w, h).save(out.filePath(name)) && ok;
    }
    cards::cdtTerm();
    if (!ok)
        std::fprintf(stderr, "contactsheet: could not write into %s\n",
                     qPrintable(out.absolutePath()));
    return ok ? 0 : 1;
}
