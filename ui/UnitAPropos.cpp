#include "UnitAPropos.h"

TFormApropos::TFormApropos(QWidget* parent)
    : QWidget(parent, Qt::Window) {}
