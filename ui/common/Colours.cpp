#include "common/Colours.h"

#include <QWidget>

#include "CardDraw.h"

void colours::set(QWidget* widget, QPalette::ColorRole role, quint32 colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, cards::toQColor(colour));
    widget->setPalette(palette);
}
