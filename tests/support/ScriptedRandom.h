#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <stdexcept>
#include <utility>

#include "Cards.h"
#include "RandomSource.h"

// A random source that answers from a script, so a test decides every shuffle and every pick.
class ScriptedRandom final : public vestorine::RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    int uniform(int low, int high) override {
        if (draws.empty())
            return low;
        const int value = draws.front();
        draws.pop_front();
        if (value < low || value > high)
            throw std::out_of_range("scripted draw outside the asked range");
        return value;
    }

    // Deals keep today's scripting: the number comes from `nextDealNumber` and the deck from the
    // scripted draws, one per step of the shuffle, whatever the number.
    int drawDealNumber() override {
        seedFromClock();
        return nextDealNumber;
    }
    std::array<int, vestorine::CellCount> deckForDeal(int) override {
        auto deck = vestorine::deckInTableOrder();
        for (int i = vestorine::CellCount; i >= 2; --i) {
            const int j = uniform(1, i);
            if (j != i)
                std::swap(deck[i - 1], deck[j - 1]);
        }
        return deck;
    }

    void append(int value) { draws.push_back(value); }

    // Scripts the next shuffle so that the deal lays out `layout` (32 ids, row by row).
    void scriptDeal(const std::array<int, vestorine::CellCount>& layout) {
        auto deck = vestorine::deckInTableOrder();
        for (int i = vestorine::CellCount; i >= 2; --i) {
            const auto at = std::find(deck.begin(), deck.begin() + i, layout[i - 1]);
            const int j = int(at - deck.begin()) + 1;
            std::swap(deck[i - 1], deck[j - 1]);
            draws.push_back(j);
        }
    }

    std::deque<int> draws;
    int seeds = 0;
    int nextDealNumber = 1;
};

// Layouts used across the tests.
namespace layouts {

// Every card already at home (suit k - 1 in row k).
inline std::array<int, vestorine::CellCount> allHome() {
    return vestorine::deckInTableOrder();
}

// One chain through all 32 cells in table order: cell i holds the card whose home is cell i + 1,
// and the card in the last cell goes home to the first.
inline std::array<int, vestorine::CellCount> fullChain() {
    const auto home = vestorine::deckInTableOrder();
    std::array<int, vestorine::CellCount> layout{};
    for (int i = 0; i < vestorine::CellCount; ++i)
        layout[i] = home[(i + 1) % vestorine::CellCount];
    return layout;
}

// Cell (row, col), 1-based, as an index into a layout.
constexpr int at(int row, int col) {
    return (row - 1) * vestorine::ColumnCount + col - 1;
}

// Index i of a layout as its cell (row, col), 1-based.
constexpr std::pair<int, int> cell(int i) {
    return {i / vestorine::ColumnCount + 1, i % vestorine::ColumnCount + 1};
}

// All cards at home but two swapped in row 2: once the chain closes, the reveals lose.
inline std::array<int, vestorine::CellCount> losing() {
    auto layout = allHome();
    std::swap(layout[at(2, 2)], layout[at(2, 3)]);
    return layout;
}

} // namespace layouts
