#include "common/Emblem.h"

#include <QWidget>

// The emblem as rendered from vestorine.svg into the icon theme sizes (a test keeps them in step
// with it): two small PNGs cost far less at start-up than loading the SVG engine.
QIcon emblem() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/emblem-32.png"));
    icon.addFile(QStringLiteral(":/emblem-64.png"));
    return icon;
}

QIcon emblemOf(const QWidget* window) {
    // Both files are decoded as they are added; a copy of an icon shares them.
    if (window && !window->windowIcon().isNull())
        return window->windowIcon();
    return emblem();
}
