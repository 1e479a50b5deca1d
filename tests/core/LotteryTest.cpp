#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "Lottery.h"
#include "RandomSource.h"
#include "ScriptedRandom.h"

using vestorine::Lottery;

namespace {

struct LotteryCase {
    const char* name;
    std::vector<int> slots;    // drawn in this order
    std::vector<int> draws;    // the candidates, one per slot drawn
    std::vector<int> expected; // the seven slots afterwards
};

class LotteryDraws : public testing::TestWithParam<LotteryCase> {};

} // namespace

TEST_P(LotteryDraws, StepPastEarlierSlotsOnly) {
    const LotteryCase& c = GetParam();
    ScriptedRandom random;
    for (const int d : c.draws)
        random.append(d);
    Lottery lottery;
    for (const int slot : c.slots)
        lottery.draw(slot, random);
    std::vector<int> numbers;
    for (int k = 1; k <= Lottery::SlotCount; ++k)
        numbers.push_back(lottery.number(k));
    EXPECT_EQ(numbers, c.expected);
    const auto drawn = std::count_if(c.slots.begin(), c.slots.end(),
                                     [](int k) { return k >= 1 && k <= Lottery::SlotCount; });
    EXPECT_EQ(random.seeds, int(drawn)) << "seeded before each draw, and only then";
}

INSTANTIATE_TEST_SUITE_P(
    Lottery, LotteryDraws,
    testing::Values(
        LotteryCase{"SevenDrawsWrap49To1",
                    {1, 2, 3, 4, 5, 6, 7},
                    {5, 49, 49, 49, 49, 49, 49},
                    {5, 49, 1, 2, 3, 4, 6}},
        // A slot left at 0 by a short press is stepped past by no one: 0 is never a candidate.
        LotteryCase{"SkippedSlotStaysZero", {2, 3}, {7, 7}, {0, 7, 8, 0, 0, 0, 0}},
        // Drawn again while its button is held: a slot never steps past its own earlier value,
        // nor past slots after it.
        LotteryCase{
            "RedrawIgnoresItselfAndLaterSlots", {3, 1, 1}, {9, 4, 9}, {9, 0, 9, 0, 0, 0, 0}},
        LotteryCase{"SlotOutsideTheGridDrawsNothing", {0, 8}, {}, {0, 0, 0, 0, 0, 0, 0}}),
    [](const auto& info) { return info.param.name; });

TEST(Lottery, ClockDrawsArePairwiseDistinctAndResetClears) {
    vestorine::ClockRandom clock;
    Lottery lottery;
    for (int round = 0; round < 200; ++round) {
        lottery.reset();
        std::set<int> seen;
        for (int k = 1; k <= Lottery::SlotCount; ++k) {
            const int n = lottery.draw(k, clock);
            EXPECT_TRUE(n >= 1 && n <= Lottery::HighestNumber) << n;
            EXPECT_EQ(lottery.number(k), n);
            seen.insert(n);
        }
        EXPECT_EQ(seen.size(), 7u);
    }
    lottery.reset();
    EXPECT_EQ(lottery.number(1), 0);
}
