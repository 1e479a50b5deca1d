#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>

#include "CardBack.h"
#include "GameState.h"
#include "SeededRandom.h"

using namespace vestorine;

namespace {

// What the table shows, kept from the operations' reports as the window would keep it.
struct Table {
    std::map<int, int> laid; // card -> cell index
    int talon = EmptyCell;   // card on the talon while the chain runs
};

int expectedMessage(const GameState& game) {
    if (!game.Dealt())
        return MsgBlank;
    if (!game.Picked())
        return MsgInvitePick;
    if (!game.Revealing())
        return MsgInviteCarry;
    if (game.GameLost())
        return MsgLost;
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            if (game.Tableau(r, c) != EmptyCell)
                return MsgInviteReveal;
    return MsgWon;
}

void checkInvariants(const GameState& game, const Table& table) {
    // During the chain the first cell shows the placeholder although it keeps its id.
    const bool chain = game.Picked() && !game.Revealing();
    std::map<int, int> seen;
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c) {
            const bool ghost = chain && r == game.FirstRow() && c == game.FirstCol();
            if (const int card = game.Tableau(r, c); card != EmptyCell && !ghost)
                ++seen[card];
        }
    for (const auto& [card, cell] : table.laid)
        ++seen[card];
    if (chain) {
        ASSERT_EQ(table.talon, game.CurrentCard());
        ++seen[table.talon];
    }
    for (const auto& [card, count] : seen)
        ASSERT_EQ(count, 1) << "card " << card << " shows in " << count << " places";
    if (game.Dealt()) {
        ASSERT_EQ(seen.size(), 32u);
    }

    for (int a = 1; a <= RowCount; ++a)
        for (int b = a + 1; b <= RowCount; ++b) {
            if (game.RowSuit(a) != 0) {
                ASSERT_NE(game.RowSuit(a), game.RowSuit(b));
            }
        }
    ASSERT_EQ(game.MessageIndex(), expectedMessage(game));
}

// One random input: mostly plausible moves, with illegal calls mixed in.
void playOneStep(GameState& game, Table& table, std::mt19937& input) {
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(input);
    };
    const int row = pick(0, 5);
    const int col = pick(0, 9);
    switch (pick(0, 9)) {
    case 0:
        if (pick(0, 20) == 0) {
            game.StartDeal();
            table = {};
            game.EndDeal();
        }
        break;
    case 1:
    case 2:
        if (const auto card = game.Pick(row, col))
            table.talon = *card;
        break;
    case 3:
    case 4:
    case 5:
    case 6: {
        // Mostly aim at the talon's rank column, which is where a player would drop it.
        int target = col;
        for (int c = 1; c <= ColumnCount; ++c)
            if (belongsToColumn(game.CurrentCard(), c) && pick(0, 3) != 0)
                target = c;
        const PlaceResult result = game.Place(pick(0, RowCount), target);
        if (result.outcome != PlaceOutcome::Rejected)
            table.laid[result.laidCard] = 0;
        if (result.outcome == PlaceOutcome::Advanced)
            table.talon = result.newTalon;
        else if (result.outcome == PlaceOutcome::ChainClosed)
            table.talon = EmptyCell;
        break;
    }
    default:
        if (const auto reveal = game.Reveal(row, col))
            table.laid[reveal->card] = 0;
        break;
    }
}

} // namespace

TEST(GameStateInvariants, HoldOverThousandsOfRandomGames) {
    CardBackChoice back;
    SeededRandom random(20261207);
    GameState game(back, random);
    std::mt19937 input(7);
    int won = 0;
    int lost = 0;
    for (int g = 0; g < 3000; ++g) {
        game.StartDeal();
        Table table;
        ASSERT_NO_FATAL_FAILURE(checkInvariants(game, table));
        game.EndDeal();
        for (int step = 0; step < 1000 && game.MessageIndex() < MsgLost; ++step) {
            playOneStep(game, table, input);
            ASSERT_NO_FATAL_FAILURE(checkInvariants(game, table))
                << "game " << g << " step " << step;
        }
        won += game.MessageIndex() == MsgWon;
        lost += game.MessageIndex() == MsgLost;
    }
    // The random play must reach both endings, or the test explores too little.
    std::printf("%d won, %d lost\n", won, lost);
    EXPECT_GT(won, 0);
    EXPECT_GT(lost, 100);
}
