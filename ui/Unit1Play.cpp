#include "Unit1.h"

#include "GameSession.h"
#include "GameState.h"
#include "TableQuestions.h"
#include "access/StatusAnnouncer.h"
#include "access/TableCells.h"
#include "access/TableKeys.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"
#include "table/CellCursor.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int LostPointSize = 18;
constexpr int WonPointSize = 22;

} // namespace

void TForm1::ImageJeuMouseUp(Qt::MouseButton, int X, int Y) {
    if (const auto cell = m_geometry.cellAt({X, Y})) {
        cellClicked(cell->row, cell->col);
        actedOn(cell->row, cell->col);
    }
}

void TForm1::cellClicked(int row, int col) {
    // The game answers only what applies: a pick before the first card is up, a reveal once
    // the chain is closed; anything else does nothing.
    if (const auto card = m_session->pick(row, col)) {
        paintPlaceholder(row, col);
        ImageTalon->show();
        paintTalon(*card);
        showStatus();
        repaint();
        return;
    }
    if (const auto revealed = m_session->reveal(row, col))
        showRevealed(row, col, *revealed);
}

void TForm1::createTableKeys() {
    m_keys = new TableKeys(ImageJeu, m_game, m_cursor, *m_cells, m_announcer);
    m_cursor->setColumnKeys(vestorine::columnOfRankKey);
    connect(m_cursor, &CellCursor::edge, this,
            [this] { m_announcer->addDetail(m_keys->answers().edge()); });
    ImageJeu->setAccessibleDescription(texts::spoken(m_game.Language()).gridHint);
}

void TForm1::cellKeyed(int row, int col) {
    // A key that does nothing still gets an answer: why, and for the talon where it belongs.
    const auto refusal = vestorine::refusalAt(m_game, {row, col});
    if (refusal != vestorine::Refusal::None) {
        m_announcer->addDetail(m_keys->answers().refusal(refusal));
        return;
    }
    // While the talon is up the mouse can only carry it: the key drops it with its centre in
    // the cell. Otherwise the key clicks the cell.
    if (m_game.phase() == vestorine::GamePhase::CarryingTalon) {
        actedOn(row, col, placeTalon(row, col));
        return;
    }
    cellClicked(row, col);
    actedOn(row, col);
}

void TForm1::actedOn(int row, int col, bool laid) {
    // What to do next comes first: the new talon and where it goes, then the cell acted on.
    if (m_cells->takeTalonChange() && !ImageTalon->isHidden())
        m_announcer->addDetail(m_keys->answers().talon());
    if (laid)
        m_announcer->addDetail(texts::announce(m_game.Language()).laidIn.arg(row).arg(col));
    else
        m_announcer->addDetail(m_cells->cellName(row, col));
}

void TForm1::say(const QString& text) {
    m_announcer->addDetail(text);
}

void TForm1::showRevealed(int row, int col, const vestorine::RevealResult& revealed) {
    paintFace(row, col, revealed.card);
    repaint();
    switch (revealed.verdict) {
    case vestorine::RevealVerdict::Lost:
        TimerBlinking->stop();
        setStatusFont(LostPointSize);
        showStatus();
        break;
    case vestorine::RevealVerdict::Won:
        setStatusFont(WonPointSize);
        startBlinking();
        showStatus();
        showLotoWindow();
        break;
    case vestorine::RevealVerdict::Continue:
        break;
    }
}

void TForm1::ImageTalonMouseDown(Qt::MouseButton, int X, int Y) {
    Dragging = true;
    DragStartX = X;
    DragStartY = Y;
    ImageTalon->raise();
}

void TForm1::ImageTalonMouseMove(int X, int Y) {
    if (!Dragging)
        return;
    // The grab point stays under the pointer.
    ImageTalon->move(ImageTalon->x() + X - DragStartX, ImageTalon->y() + Y - DragStartY);
}

void TForm1::ImageTalonMouseUp(Qt::MouseButton, int, int) {
    Dragging = false;
    // Only the talon's centre designates the cell, wherever it was grabbed.
    const QPoint drop = TableGeometry::dropPoint(ImageTalon->geometry());
    const auto cell = m_geometry.cellAtWindow(drop);
    if (!cell) {
        ImageTalon->move(m_geometry.talonHome().topLeft());
        return;
    }
    actedOn(cell->row, cell->col, placeTalon(cell->row, cell->col));
}

bool TForm1::placeTalon(int row, int col) {
    const auto result = m_session->place(row, col);
    const QPoint home = m_geometry.talonHome().topLeft();
    switch (result.outcome) {
    case vestorine::PlaceOutcome::Rejected:
        ImageTalon->move(home);
        return false;
    case vestorine::PlaceOutcome::Advanced:
        paintFace(row, col, result.laidCard);
        paintTalon(result.newTalon);
        ImageTalon->move(home);
        repaint();
        return true;
    case vestorine::PlaceOutcome::ChainClosed:
        paintFace(row, col, result.laidCard);
        ImageTalon->hide();
        ImageTalon->move(home);
        repaint();
        // A closed chain with cards left keeps the size of the status font.
        setStatusFont(result.AllPlaced ? WonPointSize : 0);
        startBlinking();
        showStatus();
        return true;
    }
    return false;
}
