#include "DealShuffle.h"

#include <utility>

namespace vestorine {

std::optional<int> parseDealNumber(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    typed = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
    long long number = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
        // Stops early, so that a long run of digits cannot overflow.
        if (number > LastDealNumber)
            return std::nullopt;
    }
    if (!isDealNumber(number))
        return std::nullopt;
    return static_cast<int>(number);
}

std::uint64_t DealGenerator::next() {
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int DealGenerator::oneTo(int bound) {
    const auto n = static_cast<std::uint64_t>(bound);
    // 2^64 mod n: values below it are dropped, so every residue is equally likely.
    const std::uint64_t skip = (0 - n) % n;
    std::uint64_t x = next();
    while (x < skip)
        x = next();
    return static_cast<int>(x % n) + 1;
}

std::array<int, CellCount> dealDeck(int number) {
    DealGenerator generator(static_cast<std::uint64_t>(number));
    auto deck = deckInTableOrder();
    for (int i = CellCount; i >= 2; --i) {
        const int j = generator.oneTo(i);
        if (j != i)
            std::swap(deck[i - 1], deck[j - 1]);
    }
    return deck;
}

} // namespace vestorine
