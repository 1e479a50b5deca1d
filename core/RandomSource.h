#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "Cards.h"
#include "DealShuffle.h"

namespace vestorine {

// The one seam through which the game draws random numbers, so tests can script every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called immediately before each use (a shuffle, a random back, a lottery tick).
    virtual void seedFromClock() = 0;
    // A uniform integer in [low, high].
    virtual int uniform(int low, int high) = 0;

    // The number of a new deal, seeded from the clock like every other use.
    virtual int drawDealNumber() {
        seedFromClock();
        return uniform(FirstDealNumber, LastDealNumber);
    }
    // The cards of deal `number`. Only a test double departs from the portable shuffle.
    virtual std::array<int, CellCount> deckForDeal(int number) { return dealDeck(number); }
};

// Production source: a Mersenne twister re-seeded from the high-resolution clock before each
// use, so uses a microsecond apart still get different seeds.
class ClockRandom final : public RandomSource {
public:
    void seedFromClock() override;
    int uniform(int low, int high) override;

private:
    std::mt19937 m_engine;
};

} // namespace vestorine
