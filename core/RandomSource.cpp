#include "RandomSource.h"

#include <chrono>

namespace vestorine {

void ClockRandom::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    const auto ns = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // A seed sequence spreads the clock's bits over the whole engine state, so seeds that
    // differ only in their low bits still give unrelated draws.
    std::seed_seq seed{static_cast<std::uint32_t>(ns), static_cast<std::uint32_t>(ns >> 32)};
    m_engine.seed(seed);
}

int ClockRandom::uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

} // namespace vestorine
