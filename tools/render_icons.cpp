// Renders the emblem into the PNG sizes of the hicolor icon theme, or checks that the committed
// PNGs still match the emblem (so an edited SVG cannot ship with stale bitmaps).
//
//   render_icons <emblem.svg> <hicolor-dir> <icon-name> [--check]

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array kSizes{16, 24, 32, 48, 64, 128, 256};

// Anti-aliasing may round differently on another CPU; a few levels per channel is not a change.
constexpr int kTolerance = 3;

QImage render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool sameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = lineA[x];
            const QRgb q = lineB[x];
            if (std::abs(qRed(p) - qRed(q)) > kTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > kTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kTolerance ||
                std::abs(qAlpha(p) - qAlpha(q)) > kTolerance)
                return false;
        }
    }
    return true;
}

// Returns the number of sizes that could not be written, or that differ from the committed file.
int renderAll(QSvgRenderer& svg, const QString& dir, const QString& name, bool check) {
    int failures = 0;
    for (const int size : kSizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(dir).arg(size).arg(name);
        const QImage image = render(svg, size);
        if (check) {
            const QImage committed = QImage(path).convertToFormat(QImage::Format_ARGB32);
            if (!sameImage(image, committed)) {
                std::fprintf(stderr, "render_icons: %s is missing or stale\n", qPrintable(path));
                ++failures;
            }
        } else if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path)) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures;
}

} // namespace

int main(int argc, char* argv[]) {
    // A build machine may have no display; the renderer needs none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4 || args.size() > 5 || (args.size() == 5 && args[4] != "--check")) {
        std::fprintf(stderr,
                     "usage: render_icons <emblem.svg> <hicolor-dir> <icon-name> [--check]\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icons: cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    const bool check = args.size() == 5;
    return renderAll(svg, args[2], args[3], check) == 0 ? 0 : 1;
}
