#include "UnitLoto.h"

#include "RandomSource.h"

TFormLoto::TFormLoto(vestorine::RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_random(random) {}

void TFormLoto::showLoto() {}

void TFormLoto::applyLanguage(int) {}
