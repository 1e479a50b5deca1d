#pragma once

#include <QPalette>

class QWidget;

// The colours of the design are words 0x00BBGGRR; each is set on one role of a widget's own
// palette, so the rest of the palette keeps following the desktop.
namespace colours {

void set(QWidget* widget, QPalette::ColorRole role, quint32 colour);

} // namespace colours
