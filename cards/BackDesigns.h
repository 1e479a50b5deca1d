#pragma once

class QPainter;
class QRectF;

// The twelve picture backs, each filling the panel inside the white border (already clipped).
namespace cards {

void paintWaves(QPainter& painter, const QRectF& panel);
void paintStars(QPainter& painter, const QRectF& panel);
void paintCastle(QPainter& painter, const QRectF& panel);
void paintFish(QPainter& painter, const QRectF& panel);
void paintLeaves(QPainter& painter, const QRectF& panel);
void paintSun(QPainter& painter, const QRectF& panel);
void paintFlowers(QPainter& painter, const QRectF& panel);
void paintCompass(QPainter& painter, const QRectF& panel);
void paintShells(QPainter& painter, const QRectF& panel);
void paintRobot(QPainter& painter, const QRectF& panel);
void paintDiamonds(QPainter& painter, const QRectF& panel);
void paintRings(QPainter& painter, const QRectF& panel);

} // namespace cards
