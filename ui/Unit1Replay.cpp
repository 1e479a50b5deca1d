#include "Unit1.h"

#include "CardDraw.h"
#include "DealShuffle.h"
#include "GameSession.h"
#include "GameState.h"
#include "UnitDeal.h"
#include "access/TableCells.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"

#include <QAction>

void TForm1::MenuReplayClick() {
    dealChosen(m_game.DealNumber());
}

void TForm1::MenuChooseDealClick() {
    if (!m_dealDialog) {
        // Made on first use: most games never open it.
        m_dealDialog = new TFormDeal(this);
        connect(m_dealDialog, &TFormDeal::dealChosen, this,
                [this](int number) { outsideDeal([this, number] { dealChosen(number); }); });
    }
    m_dealDialog->showFor(m_game.DealNumber(), m_game.Language());
}

void TForm1::dealChosen(int number) {
    if (vestorine::isDealNumber(number))
        runDeal(number);
}

void TForm1::showDealNumber() {
    const texts::DealTexts words = texts::deals(m_game.Language());
    const int number = m_game.DealNumber();
    MenuReplay->setEnabled(number > 0);
    MenuReplay->setText(number > 0 ? words.replayNumbered.arg(number) : words.replay);
    m_cells->describeDeal();
}

void TForm1::applyView() {
    cards::setFourColourSuits(m_session->fourColour());
    MenuFourColour->setChecked(m_session->fourColour());
}

void TForm1::MenuFourColourClick() {
    cards::setFourColourSuits(MenuFourColour->isChecked());
    repaintFaces();
    m_session->setFourColour(MenuFourColour->isChecked());
}

// From what the window last painted, so a face is repainted only where one is shown.
void TForm1::repaintFaces() {
    for (int row = 1; row <= vestorine::RowCount; ++row)
        for (int col = 1; col <= vestorine::ColumnCount; ++col)
            if (const int card = m_cells->shown(row, col); card >= 0)
                paintFace(row, col, card);
    if (!ImageTalon->isHidden() && m_cells->talonCard() >= 0)
        paintTalon(m_cells->talonCard());
}
