#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "Cards.h"

namespace vestorine {

// Deal numbers name a shuffle: the same number lays out the same 32 cards on every machine and
// in every later version. docs/deal-numbers.md writes the generator down so anyone can check it.
inline constexpr int FirstDealNumber = 1;
inline constexpr int LastDealNumber = 999'999'999;

constexpr bool isDealNumber(long long number) {
    return number >= FirstDealNumber && number <= LastDealNumber;
}

// A deal number as the player types it: digits, blanks around them allowed. Nothing for
// anything else, 0 or a number past the last one.
std::optional<int> parseDealNumber(std::string_view typed);

// SplitMix64: a 64-bit counter stepped by a fixed odd constant, its value scrambled on the way
// out. Small, fully specified and free of the library's implementation-defined distributions.
class DealGenerator {
public:
    explicit DealGenerator(std::uint64_t seed)
        : m_state(seed) {}

    std::uint64_t next();
    // A uniform integer in 1..bound (bound >= 1), free of modulo bias.
    int oneTo(int bound);

private:
    std::uint64_t m_state;
};

// The deck in table order shuffled for deal `number` (Fisher-Yates driven by DealGenerator).
std::array<int, CellCount> dealDeck(int number);

} // namespace vestorine
