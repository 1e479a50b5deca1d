#include "Unit1.h"

#include "GameState.h"

TForm1::TForm1(vestorine::GameState& game, vestorine::CardBackChoice& back, QWidget* parent)
    : QMainWindow(parent)
    , m_game(game)
    , m_back(back) {
    setWindowTitle(QStringLiteral("VESTORINE"));
}

void TForm1::setCompanions(TFormApropos* apropos, TFormDos* dos, TFormLoto* loto) {
    m_apropos = apropos;
    m_dos = dos;
    m_loto = loto;
}
