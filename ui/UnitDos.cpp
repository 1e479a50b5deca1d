#include "UnitDos.h"

#include "CardBack.h"

TFormDos::TFormDos(vestorine::CardBackChoice& back, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_back(back) {}

void TFormDos::showChooser() {}

void TFormDos::applyLanguage(int) {}
