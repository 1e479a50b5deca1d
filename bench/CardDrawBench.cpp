// Run: cmake --preset bench && cmake --build --preset bench && build/bench/bench/cards_bench
#include "CardDraw.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace {

constexpr int W = 71;
constexpr int H = 96;

// The grid image of the table: eight columns and four rows of cells with 10-pixel gaps.
QImage gridImage(qreal ratio) {
    QImage image((QSizeF(8 * W + 90, 4 * H + 30) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0, 128, 0));
    return image;
}

void drawAll(QPainter& painter) {
    for (int card = 0; card < 52; ++card)
        cards::cdtDrawExt(painter, 0, 0, W, H, card, cards::FaceUp, 0xFFFFFF);
    for (quint32 colour : {0x000080u, 0x0000FFu, 0x00FFFFu, 0xF0CAA6u})
        cards::cdtDrawExt(painter, 0, 0, W, H, 53, cards::FaceDown, colour);
    for (int back = 54; back <= 65; ++back)
        cards::cdtDrawExt(painter, 0, 0, W, H, back, cards::FaceDown, 0);
    cards::cdtDrawExt(painter, 0, 0, W, H, cards::Placeholder, cards::FaceDown, 0x008000);
}

void FirstRenderOfAll66(benchmark::State& state) {
    QImage target = gridImage(double(state.range(0)));
    QPainter painter(&target);
    for (auto _ : state) {
        cards::cdtTerm();
        drawAll(painter);
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(FirstRenderOfAll66)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void CachedDrawOfOneCard(benchmark::State& state) {
    QImage target = gridImage(double(state.range(0)));
    QPainter painter(&target);
    cards::cdtDrawExt(painter, 10, 10, W, H, 50, cards::FaceUp, 0xFFFFFF);
    for (auto _ : state)
        cards::cdtDrawExt(painter, 10, 10, W, H, 50, cards::FaceUp, 0xFFFFFF);
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(CachedDrawOfOneCard)->Arg(1)->Arg(2);

// The baseline: the same picture, already a pixmap, blitted by Qt.
void PlainDrawPixmap(benchmark::State& state) {
    const qreal ratio = double(state.range(0));
    QPixmap pixmap(QSize(W, H) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter source(&pixmap);
        cards::cdtDrawExt(source, 0, 0, W, H, 50, cards::FaceUp, 0xFFFFFF);
    }
    QImage target = gridImage(ratio);
    QPainter painter(&target);
    for (auto _ : state)
        painter.drawPixmap(10, 10, pixmap);
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(PlainDrawPixmap)->Arg(1)->Arg(2);

void PaintTheGrid(benchmark::State& state) {
    QImage target = gridImage(double(state.range(0)));
    QPainter painter(&target);
    constexpr int ranks[8] = {0, 12, 11, 10, 9, 8, 7, 6};
    for (auto _ : state)
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 8; ++col)
                cards::cdtDrawExt(painter, col * (W + 10), row * (H + 10), W, H,
                                  4 * ranks[col] + row, cards::FaceUp, 0xFFFFFF);
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(PaintTheGrid)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
