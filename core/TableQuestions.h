#pragma once

#include <optional>
#include <vector>

#include "GameState.h"

// Questions a player may ask about the table, answered from what lies face up and from the rows
// the suits own. Nothing here reads a card still face down, so an answer never gives one away.
namespace vestorine {

struct Cell {
    int row = 0;
    int col = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The column of the card's rank, 1..8; 0 for an id outside the deck.
int columnOfCard(int card);

// The column a rank key stands for: A K Q J, T or 1 for the ten, 9 8 7 (either case); 0 for
// any other key.
int columnOfRankKey(char key);

// The rows no suit owns yet, top to bottom.
std::vector<int> freeRows(const GameState& game);

// While a chain runs: the talon's column and the rows where it may go (its suit's row, or else
// every free row). Nothing outside a chain.
struct TalonWay {
    int card = EmptyCell;
    int col = 0;
    std::vector<int> rows;
};
std::optional<TalonWay> talonWay(const GameState& game);

// The cell of the first card turned up in this deal, once there is one.
std::optional<Cell> firstCell(const GameState& game);

// The cells whose card lies face down now, row by row: none before a deal completes.
std::vector<Cell> faceDownCells(const GameState& game);

// Where the key for the talon's home takes the cursor, standing in `currentRow`: the home cell
// while the talon's suit owns a row; else its column in the free row freeRowJump() gives.
// Nothing outside a chain.
std::optional<Cell> talonJump(const GameState& game, int currentRow);

// Among the free rows (top to bottom, at least one), the one the jump key offers: any but the
// first card's row while another is free; the current row when it is one of those, else the
// nearest, the upper one of two as near.
int freeRowJump(const std::vector<int>& free, int firstRow, int currentRow);

// Why a click or a key on the cell would do nothing now; None when the game would act on it.
enum class Refusal {
    None,
    NotDealt, // no deal yet, or one being dealt
    NotHome,  // the talon does not belong in this cell: talonWay() says where it does
    Empty,    // the first card's cell, empty since the chain closed
    FaceUp,   // a card already turned up
    Over,     // the game is decided and this cell has nothing left to turn up
};
Refusal refusalAt(const GameState& game, Cell cell);

} // namespace vestorine
