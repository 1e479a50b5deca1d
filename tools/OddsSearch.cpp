#include "OddsSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "Cards.h"

using vestorine::GameState;
using vestorine::PlaceOutcome;
using vestorine::RevealVerdict;

namespace odds {

namespace {

// The column of the talon's rank, as a player reads it from the card's face.
int columnOf(int card) {
    for (int col = 1; col <= vestorine::ColumnCount; ++col)
        if (vestorine::belongsToColumn(card, col))
            return col;
    return 0;
}

// Turns up every remaining card; the order cannot change the verdict.
bool revealAll(GameState& game) {
    for (int row = 1; row <= vestorine::RowCount; ++row)
        for (int col = 1; col <= vestorine::ColumnCount; ++col)
            if (const auto revealed = game.Reveal(row, col)) {
                if (revealed->verdict == RevealVerdict::Lost)
                    return false;
                if (revealed->verdict == RevealVerdict::Won)
                    return true;
            }
    return false;
}

// Drops the talon on its rank's column, trying the rows in the given order: the first the game
// accepts takes it. Answers whether the chain closed with every card placed.
using RowOrder = std::array<int, vestorine::RowCount>;
bool placeInOrder(GameState& game, const RowOrder& rows, bool& closed) {
    const int col = columnOf(game.CurrentCard());
    for (const int row : rows) {
        const auto placed = game.Place(row, col);
        if (placed.outcome == PlaceOutcome::Rejected)
            continue;
        closed = placed.outcome == PlaceOutcome::ChainClosed;
        return closed && placed.AllPlaced;
    }
    closed = true; // no row takes the talon: cannot happen in a sound game
    return false;
}

template <class ChooseRows> bool playChain(GameState& game, ChooseRows chooseRows) {
    bool closed = false;
    while (!closed) {
        if (placeInOrder(game, chooseRows(game), closed))
            return true;
    }
    return game.Revealing() && revealAll(game);
}

bool searchChain(const GameState& game) {
    const int col = columnOf(game.CurrentCard());
    std::optional<GameState> next(game);
    for (int row = 1; row <= vestorine::RowCount; ++row) {
        const auto placed = next->Place(row, col);
        if (placed.outcome == PlaceOutcome::Rejected)
            continue; // nothing changed: the same copy serves the next row
        if (placed.outcome == PlaceOutcome::Advanced ? searchChain(*next)
                                                     : placed.AllPlaced || revealAll(*next))
            return true;
        next.emplace(game);
    }
    return false;
}

} // namespace

int draw(std::mt19937_64& engine, int low, int high) {
    const std::uint64_t span = std::uint64_t(high - low) + 1;
    // Draws below 2^64 mod span are refused, so that every remainder is equally likely.
    const std::uint64_t refused = (0 - span) % span;
    std::uint64_t value = engine();
    while (value < refused)
        value = engine();
    return low + int(value % span);
}

bool playRandom(GameState game, std::mt19937_64& random) {
    const int first = draw(random, 0, vestorine::CellCount - 1);
    game.Pick(first / vestorine::ColumnCount + 1, first % vestorine::ColumnCount + 1);
    return playChain(game, [&random](const GameState&) {
        RowOrder rows{1, 2, 3, 4};
        for (int i = vestorine::RowCount - 1; i > 0; --i)
            std::swap(rows[std::size_t(i)], rows[std::size_t(draw(random, 0, i))]);
        return rows;
    });
}

bool playBest(GameState game) {
    // Every face-down cell is alike to a blind player: the first card is the top-left one.
    game.Pick(1, 1);
    return playChain(game, [](const GameState& g) {
        // The first card's row last: the game takes it only when no other row is left. The
        // other free rows are all alike, their eight cards still face down.
        RowOrder rows{};
        int at = 0;
        for (int row = 1; row <= vestorine::RowCount; ++row)
            if (row != g.FirstRow())
                rows[std::size_t(at++)] = row;
        rows[vestorine::RowCount - 1] = g.FirstRow();
        return rows;
    });
}

bool winnable(const GameState& dealt) {
    for (int row = 1; row <= vestorine::RowCount; ++row)
        for (int col = 1; col <= vestorine::ColumnCount; ++col) {
            GameState game(dealt);
            if (game.Pick(row, col) && searchChain(game))
                return true;
        }
    return false;
}

Interval wilson(long wins, long games) {
    if (games <= 0)
        return {0.0, 1.0};
    const double z = 1.959963984540054;
    const double n = double(games);
    const double p = double(wins) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

} // namespace odds
