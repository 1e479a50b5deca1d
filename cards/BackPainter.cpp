#include "BackPainter.h"

#include "BackDesigns.h"
#include "FacePainter.h"
#include "SuitShapes.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace cards {
namespace {

const QRectF Panel(4.5, 4.5, DesignWidth - 9.0, DesignHeight - 9.0);
constexpr double PanelRadius = 2.5;

QColor mixed(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void paintCrosshatch(QPainter& painter, const QRectF& panel, const QColor& colour) {
    painter.fillRect(panel, colour);
    // Light threads over the colour, drawn without smoothing: a crisp lattice at every ratio,
    // and the colour itself keeps most of the surface.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(mixed(colour, Qt::white, 0.55), 0.8));
    const double step = 5.0;
    for (double d = -panel.height(); d < panel.width(); d += step) {
        painter.drawLine(QPointF(panel.left() + d, panel.top()),
                         QPointF(panel.left() + d + panel.height(), panel.bottom()));
        painter.drawLine(QPointF(panel.left() + d, panel.bottom()),
                         QPointF(panel.left() + d + panel.height(), panel.top()));
    }
    painter.restore();
}

using Design = void (*)(QPainter&, const QRectF&);

constexpr std::array<Design, 12> Designs{
    paintWaves,   paintStars,   paintCastle, paintFish,  paintLeaves,   paintSun,
    paintFlowers, paintCompass, paintShells, paintRobot, paintDiamonds, paintRings,
};

} // namespace

void paintBack(QPainter& painter, int back, const QColor& colour) {
    paintBlankCard(painter);
    painter.save();
    QPainterPath panel;
    panel.addRoundedRect(Panel, PanelRadius, PanelRadius);
    painter.setClipPath(panel);
    if (back == CrosshatchBack)
        paintCrosshatch(painter, Panel, colour);
    else
        Designs[std::size_t(back - FirstPictureBack)](painter, Panel);
    painter.restore();
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 90), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(panel);
    painter.restore();
}

void paintPlaceholder(QPainter& painter, const QColor& colour) {
    painter.save();
    painter.fillRect(QRectF(0, 0, DesignWidth, DesignHeight), colour);
    painter.setPen(QPen(mixed(colour, Qt::white, 0.3), 1.0));
    painter.setBrush(colour.darker(112));
    painter.drawRoundedRect(QRectF(1.5, 1.5, DesignWidth - 3, DesignHeight - 3), 4, 4);
    painter.restore();
}

} // namespace cards
