#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "RandomSource.h"

using namespace vestorine;

namespace {

std::vector<int> drawSequence(ClockRandom& random) {
    random.seedFromClock();
    std::vector<int> values;
    for (int i = 0; i < 8; ++i)
        values.push_back(random.uniform(1, 1'000'000'000));
    return values;
}

} // namespace

TEST(ClockRandom, SeedsAMicrosecondApartGiveDifferentDraws) {
    ClockRandom random;
    std::vector<int> previous = drawSequence(random);
    for (int i = 0; i < 20; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(1));
        const std::vector<int> next = drawSequence(random);
        EXPECT_NE(next, previous);
        previous = next;
    }
}

TEST(ClockRandom, StaysInsideTheRangeAndReachesBothEnds) {
    ClockRandom random;
    random.seedFromClock();
    bool low = false;
    bool high = false;
    for (int i = 0; i < 2000; ++i) {
        const int value = random.uniform(1, 16);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 16);
        low |= value == 1;
        high |= value == 16;
    }
    EXPECT_TRUE(low && high);
}
