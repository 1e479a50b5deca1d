#include "UnitLoto.h"

TFormLoto::TFormLoto(QWidget* parent)
    : QWidget(parent, Qt::Window) {}
