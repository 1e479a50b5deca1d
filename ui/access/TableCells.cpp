#include "access/TableCells.h"

#include "access/AccessibleChildren.h"

#include "GameState.h"
#include "common/WindowTexts.h"

#include <QWidget>

#include <utility>

namespace {

using Words = texts::TableTexts;

Words words(int language) {
    return texts::table(language);
}

} // namespace

TableCells::TableCells(QWidget* grid, QWidget* talon, const vestorine::GameState& game,
                       const TableGeometry& geometry)
    : GridCells(grid, vestorine::RowCount, vestorine::ColumnCount)
    , m_talon(talon)
    , m_game(game)
    , m_geometry(geometry) {
    m_shown.fill(vestorine::EmptyCell);
    accessible::reportOnScreen(talon);
}

void TableCells::painted(int row, int col, int shown) {
    m_shown[index(row, col)] = shown;
    cellChanged(row, col);
}

void TableCells::talonPainted(int card) {
    m_talonCard = card;
    m_talonChanged = true;
    nameTalon();
}

QString TableCells::gridName() const {
    return words(m_game.Language()).grid;
}

QString TableCells::cellName(int row, int col) const {
    const Words set = words(m_game.Language());
    const int what = m_dealing ? FaceDown : shown(row, col);
    QString shows;
    if (what == FaceDown)
        shows = set.faceDown;
    else if (what == vestorine::EmptyCell)
        shows = set.empty;
    else
        shows = texts::cardName(what, m_game.Language());
    return set.cell.arg(row).arg(col).arg(shows);
}

QRect TableCells::cellRect(int row, int col) const {
    return m_geometry.cellRect(row, col);
}

QString TableCells::talonName() const {
    return words(m_game.Language()).talon.arg(texts::cardName(m_talonCard, m_game.Language()));
}

// Which row the talon's suit owns, as the game reports it: for the player's information only.
QString TableCells::talonDescription() const {
    const Words set = words(m_game.Language());
    if (const int row = m_game.rowOfSuit(vestorine::suitNumber(m_talonCard)))
        return set.owns.arg(row);
    return set.ownsNone;
}

void TableCells::nameTalon() {
    if (m_talonCard == vestorine::EmptyCell)
        return;
    m_talon->setAccessibleName(talonName());
    m_talon->setAccessibleDescription(talonDescription());
}

void TableCells::describeDeal() {
    if (const int number = m_game.DealNumber())
        grid()->setAccessibleDescription(texts::deals(m_game.Language()).gridDeal.arg(number));
}

void TableCells::languageChanged() {
    nameTalon();
    allChanged();
}

bool TableCells::takeTalonChange() {
    return std::exchange(m_talonChanged, false);
}
