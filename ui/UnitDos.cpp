#include "UnitDos.h"

TFormDos::TFormDos(QWidget* parent)
    : QWidget(parent, Qt::Window) {}
