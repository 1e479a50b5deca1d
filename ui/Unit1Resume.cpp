#include "Unit1.h"

#include "GameSession.h"
#include "GameState.h"
#include "UnitLoto.h"
#include "access/StatusAnnouncer.h"
#include "access/TableAnswers.h"
#include "access/TableKeys.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"
#include "table/CellCursor.h"

#include <QLabel>
#include <QTimer>

namespace {

// The size the deal gives the status; a closed chain with cards left keeps it.
constexpr int PlayPointSize = 14;

} // namespace

void TForm1::MenuResumeClick() {
    if (!m_session->resume()) {
        say(texts::announce(m_game.Language()).nothingToResume);
        return;
    }
    paintResumed();
    if (m_game.phase() == vestorine::GamePhase::CarryingTalon)
        m_announcer->addDetail(m_keys->answers().talon());
}

void TForm1::resumeAfterRestart(const QString& gamePath) {
    if (gamePath.isEmpty())
        return;
    // Once the window is shown, as if the player had chosen Resume.
    QTimer::singleShot(0, this, [this, gamePath] {
        if (!m_session->resumeAfterRestart(gamePath))
            return;
        paintResumed();
        // The player may have been at the keys: the grid, which has them, shows its cursor.
        m_cursor->show();
    });
}

void TForm1::paintResumed() {
    if (m_loto)
        m_loto->hide();
    TimerBlinking->stop();
    const bool carrying = m_game.phase() == vestorine::GamePhase::CarryingTalon;
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        for (int col = 1; col <= vestorine::ColumnCount; ++col) {
            // The first card left its cell when it was turned up, though it stays in the game.
            const bool first = row == m_game.FirstRow() && col == m_game.FirstCol();
            if (m_game.Tableau(row, col) != vestorine::EmptyCell && !(carrying && first))
                paintBack(row, col);
            else if (m_game.FaceUp(row, col) != vestorine::EmptyCell)
                paintFaceOver(row, col, first);
            else
                paintPlaceholder(row, col);
        }
    }
    ImageTalon->move(m_geometry.talonHome().topLeft());
    ImageTalon->setVisible(carrying);
    if (carrying)
        paintTalon(m_game.CurrentCard());
    LabelCartes->show();
    setStatusFont(PlayPointSize);
    showStatus();
    if (m_game.phase() == vestorine::GamePhase::Revealing)
        startBlinking();
    showDealNumber();
    repaint();
}

void TForm1::paintFaceOver(int row, int col, bool first) {
    // A face is drawn over what the cell showed before, as in play: its corners keep it.
    if (first)
        paintPlaceholder(row, col);
    else
        paintBack(row, col);
    paintFace(row, col, m_game.FaceUp(row, col));
}
