#include <gtest/gtest.h>

#include <algorithm>

#include "CardBack.h"
#include "DealShuffle.h"
#include "GameState.h"
#include "RandomSource.h"
#include "ScriptedRandom.h"

using namespace vestorine;

namespace {

using Row = std::array<int, ColumnCount>;

Row firstRow(const std::array<int, CellCount>& deck) {
    Row row{};
    std::copy_n(deck.begin(), ColumnCount, row.begin());
    return row;
}

} // namespace

TEST(DealGenerator, IsSplitMix64) {
    // The published first output of SplitMix64 from state 0.
    DealGenerator generator(0);
    EXPECT_EQ(generator.next(), 0xE220A8397B1DCDAFULL);
}

// Pins the shuffle across versions: these rows are written down in docs/deal-numbers.md.
TEST(DealDeck, KnownNumbersGiveTheirWrittenDownCards) {
    const struct {
        int number;
        Row row1;
    } known[] = {
        {1, {51, 33, 44, 37, 3, 27, 38, 34}},          {42, {44, 30, 24, 40, 45, 50, 49, 38}},
        {2026, {36, 47, 24, 0, 25, 45, 27, 41}},       {123456789, {3, 44, 39, 2, 30, 0, 49, 40}},
        {999999999, {46, 50, 40, 33, 49, 28, 42, 24}},
    };
    for (const auto& k : known)
        EXPECT_EQ(firstRow(dealDeck(k.number)), k.row1) << "deal " << k.number;
    const std::array<int, CellCount> whole1{51, 33, 44, 37, 3,  27, 38, 34, 49, 29, 43,
                                            30, 39, 28, 41, 40, 46, 42, 47, 36, 2,  24,
                                            45, 35, 1,  50, 31, 32, 25, 0,  26, 48};
    EXPECT_EQ(dealDeck(1), whole1);
}

TEST(DealDeck, EveryDealHoldsThe32CardsOnce) {
    const auto sorted = [](std::array<int, CellCount> deck) {
        std::sort(deck.begin(), deck.end());
        return deck;
    };
    const auto expected = sorted(deckInTableOrder());
    for (int number : {1, 2, 3, 1000, 65536, 999999998, 999999999})
        EXPECT_EQ(sorted(dealDeck(number)), expected) << "deal " << number;
    EXPECT_NE(dealDeck(1), dealDeck(2));
}

TEST(GameStateDealNumber, ANumberDealsItsCardsAgainAndABadOneDealsNothing) {
    CardBackChoice back;
    ClockRandom random;
    GameState game(back, random);
    EXPECT_EQ(game.DealNumber(), 0);
    game.StartDeal();
    const int drawn = game.DealNumber();
    EXPECT_TRUE(isDealNumber(drawn));
    const auto deck = dealDeck(drawn);
    for (int i = 0; i < CellCount; ++i)
        EXPECT_EQ(game.Tableau(i / ColumnCount + 1, i % ColumnCount + 1), deck[i]);

    game.EndDeal();
    for (int bad : {0, -1, LastDealNumber + 1}) {
        EXPECT_FALSE(game.StartDeal(bad));
        EXPECT_TRUE(game.Dealt()) << "a refused number leaves the game as it was";
        EXPECT_EQ(game.DealNumber(), drawn);
    }
    ASSERT_TRUE(game.StartDeal(42));
    EXPECT_FALSE(game.Dealt());
    EXPECT_EQ(game.DealNumber(), 42);
    EXPECT_EQ(game.Tableau(1, 1), 44);
    EXPECT_EQ(game.Tableau(4, 8), 34);
}

TEST(GameStateDealNumber, TheNumberComesThroughTheRandomSource) {
    CardBackChoice back;
    back.choosePicture(1); // no random back: the deal's seed is the only one
    ScriptedRandom random;
    random.nextDealNumber = 777;
    GameState game(back, random);
    game.StartDeal();
    EXPECT_EQ(game.DealNumber(), 777);
    EXPECT_EQ(random.seeds, 1);
}

TEST(ParseDealNumber, TakesDigitsInRangeAndNothingElse) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"123456789", 123456789},
        {"  42 ", 42},
        {"1", 1},
        {"999999999", 999999999},
        {"000000007", 7},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"0", std::nullopt},
        {"1000000000", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"12 34", std::nullopt},
        {"12a", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(parseDealNumber(typed), expected) << '"' << typed << '"';
}
