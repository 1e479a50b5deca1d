#include "TableQuestions.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>

namespace vestorine {

namespace {

bool inChain(const GameState& game) {
    return game.Dealt() && game.Picked() && !game.Revealing();
}

} // namespace

int columnOfCard(int card) {
    for (int col = 1; col <= ColumnCount; ++col)
        if (belongsToColumn(card, col))
            return col;
    return 0;
}

int columnOfRankKey(char key) {
    // The columns run ace, king, queen, jack, ten, nine, eight, seven.
    switch (std::toupper(static_cast<unsigned char>(key))) {
    case 'A':
        return 1;
    case 'K':
        return 2;
    case 'Q':
        return 3;
    case 'J':
        return 4;
    case 'T':
    case '1':
        return 5;
    case '9':
        return 6;
    case '8':
        return 7;
    case '7':
        return 8;
    default:
        return 0;
    }
}

std::vector<int> freeRows(const GameState& game) {
    std::vector<int> rows;
    for (int row = 1; row <= RowCount; ++row)
        if (game.RowSuit(row) == 0)
            rows.push_back(row);
    return rows;
}

std::optional<TalonWay> talonWay(const GameState& game) {
    if (!inChain(game))
        return std::nullopt;
    TalonWay way{game.CurrentCard(), columnOfCard(game.CurrentCard()), {}};
    const int owned = game.rowOfSuit(suitNumber(way.card));
    way.rows = owned ? std::vector<int>{owned} : freeRows(game);
    return way;
}

std::optional<Cell> firstCell(const GameState& game) {
    if (!game.Dealt() || !game.Picked())
        return std::nullopt;
    return Cell{game.FirstRow(), game.FirstCol()};
}

std::vector<Cell> faceDownCells(const GameState& game) {
    std::vector<Cell> cells;
    if (!game.Dealt())
        return cells;
    // The first card keeps its id in its cell until the chain closes there, but it is the talon.
    const auto first = inChain(game) ? firstCell(game) : std::nullopt;
    for (int row = 1; row <= RowCount; ++row)
        for (int col = 1; col <= ColumnCount; ++col)
            if (game.Tableau(row, col) != EmptyCell && Cell{row, col} != first)
                cells.push_back({row, col});
    return cells;
}

std::optional<Cell> talonJump(const GameState& game, int currentRow) {
    const auto way = talonWay(game);
    if (!way || way->rows.empty())
        return std::nullopt;
    if (game.rowOfSuit(suitNumber(way->card)))
        return Cell{way->rows.front(), way->col};
    return Cell{freeRowJump(way->rows, game.FirstRow(), currentRow), way->col};
}

int freeRowJump(const std::vector<int>& free, int firstRow, int currentRow) {
    // The chain can close only in the first card's cell, and no talon's home lies there while
    // its row stays free: the offer keeps the chain going. Return still lets the player choose.
    std::vector<int> rows;
    std::copy_if(free.begin(), free.end(), std::back_inserter(rows),
                 [firstRow](int row) { return row != firstRow; });
    if (rows.empty())
        return free.front();
    // Ties go to the upper row, the first found.
    return *std::min_element(rows.begin(), rows.end(), [currentRow](int a, int b) {
        return std::abs(a - currentRow) < std::abs(b - currentRow);
    });
}

Refusal refusalAt(const GameState& game, Cell cell) {
    switch (game.phase()) {
    case GamePhase::NotDealt:
        return Refusal::NotDealt;
    case GamePhase::AwaitingFirstCard:
        return Refusal::None;
    case GamePhase::CarryingTalon: {
        const auto way = talonWay(game);
        const bool home = way->col == cell.col && std::find(way->rows.begin(), way->rows.end(),
                                                            cell.row) != way->rows.end();
        return home ? Refusal::None : Refusal::NotHome;
    }
    case GamePhase::Revealing:
    case GamePhase::Over:
        break;
    }
    if (game.Tableau(cell.row, cell.col) != EmptyCell)
        return Refusal::None;
    if (game.phase() == GamePhase::Over)
        return Refusal::Over;
    return firstCell(game) == cell ? Refusal::Empty : Refusal::FaceUp;
}

} // namespace vestorine
