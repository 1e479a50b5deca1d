#pragma once

#include <array>

// Card ids are the numbers the card pictures use: 4 × rank index + suit, rank index 0 = ace,
// 12 = king. The game plays with the 32 cards from seven to ace.
namespace vestorine {

inline constexpr int RowCount = 4;
inline constexpr int ColumnCount = 8;
inline constexpr int CellCount = RowCount * ColumnCount;
inline constexpr int EmptyCell = -1;

// Rows are indexed by suit, columns by rank: ace, king, queen, jack, ten, nine, eight, seven.
inline constexpr std::array<std::array<int, ColumnCount>, RowCount> CardTable = [] {
    constexpr std::array<int, ColumnCount> rankIndex{0, 12, 11, 10, 9, 8, 7, 6};
    std::array<std::array<int, ColumnCount>, RowCount> table{};
    for (int suit = 0; suit < RowCount; ++suit)
        for (int col = 0; col < ColumnCount; ++col)
            table[suit][col] = 4 * rankIndex[col] + suit;
    return table;
}();

static_assert(CardTable[0][1] == 48 && CardTable[0][7] == 24);
static_assert(CardTable[3][0] == 3 && CardTable[3][1] == 51 && CardTable[3][7] == 27);

// The game's suit number, 1..4.
constexpr int suitNumber(int card) {
    return card % 4 + 1;
}

// True when the card has the rank of column col (1..8); false for ids outside the deck.
constexpr bool belongsToColumn(int card, int col) {
    if (col < 1 || col > ColumnCount)
        return false;
    for (const auto& row : CardTable)
        if (row[col - 1] == card)
            return true;
    return false;
}

// The 32 ids of CardTable read row by row: the order the deal shuffles.
constexpr std::array<int, CellCount> deckInTableOrder() {
    std::array<int, CellCount> deck{};
    for (int i = 0; i < CellCount; ++i)
        deck[i] = CardTable[i / ColumnCount][i % ColumnCount];
    return deck;
}

constexpr bool isCell(int row, int col) {
    return row >= 1 && row <= RowCount && col >= 1 && col <= ColumnCount;
}

static_assert(suitNumber(51) == 4 && suitNumber(24) == 1);
static_assert(!belongsToColumn(4, 1) && !belongsToColumn(52, 2) && !belongsToColumn(EmptyCell, 1));

} // namespace vestorine
