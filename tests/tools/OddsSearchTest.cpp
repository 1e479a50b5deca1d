#include <gtest/gtest.h>

#include "CardBack.h"
#include "GameState.h"
#include "OddsSearch.h"
#include "ScriptedRandom.h"

using namespace vestorine;

namespace {

using Layout = std::array<int, CellCount>;

// Every card in its rank's column, the suits turned by one row from each column to the next:
// the chain never leaves the first card's column, and every row holds all four suits, so some
// card outside that column is out of place whichever suit owns its row.
Layout suitsTurnedByColumn() {
    Layout layout{};
    for (int row = 1; row <= RowCount; ++row)
        for (int col = 1; col <= ColumnCount; ++col)
            layout[std::size_t(layouts::at(row, col))] = CardTable[(row + col) % 4][col - 1];
    return layout;
}

class OddsSearchTest : public testing::Test {
protected:
    OddsSearchTest() { back.chooseCrosshatch(1); }

    const GameState& deal(const Layout& layout) {
        random.scriptDeal(layout);
        game.StartDeal();
        game.EndDeal();
        return game;
    }

    ScriptedRandom random;
    CardBackChoice back;
    GameState game{back, random};
};

TEST_F(OddsSearchTest, FindsAWinInDealsKnownToBeWinnableAndNoneInOneKnownToBeLost) {
    EXPECT_TRUE(odds::winnable(deal(layouts::fullChain())));
    EXPECT_TRUE(odds::winnable(deal(layouts::allHome())));
    EXPECT_FALSE(odds::winnable(deal(suitsTurnedByColumn())));
}

// The search must find every game a player wins: a deal won blind is a winnable deal.
TEST(OddsSearch, EveryDealWonBlindIsWinnable) {
    CardBackChoice back;
    back.chooseCrosshatch(1);
    odds::SeededSource shuffle(7);
    GameState game(back, shuffle);
    std::mt19937_64 player(3);
    int blindWins = 0;
    for (int deal = 0; deal < 3000; ++deal) {
        game.StartDeal();
        game.EndDeal();
        const bool random = odds::playRandom(game, player);
        const bool best = odds::playBest(game);
        blindWins += random + best;
        if (random || best) {
            ASSERT_TRUE(odds::winnable(game)) << "deal " << deal;
        }
    }
    EXPECT_GT(blindWins, 0);
}

// Known values: 0 of 100 reaches up to z² / (n + z²); 50 of 100 spans 40.38 % .. 59.62 %.
TEST(OddsSearch, WilsonIntervalMatchesKnownValues) {
    const odds::Interval none = odds::wilson(0, 100);
    EXPECT_NEAR(none.low, 0.0, 1e-12);
    EXPECT_NEAR(none.high, 0.0369935, 1e-6);
    const odds::Interval half = odds::wilson(50, 100);
    EXPECT_NEAR(half.low, 0.40383, 1e-5);
    EXPECT_NEAR(half.high, 0.59617, 1e-5);
}

} // namespace
