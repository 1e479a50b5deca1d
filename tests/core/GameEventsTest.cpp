#include <gtest/gtest.h>

#include <vector>

#include "CardBack.h"
#include "GameEvents.h"
#include "ScriptedRandom.h"

using namespace vestorine;

namespace {

using Event = std::optional<StatisticsEvent>;

// Plays a game step by step, keeping every event the statistics would be told and the phase
// after each step.
class GameEventsTest : public testing::Test {
protected:
    void deal(const std::array<int, CellCount>& layout) {
        note(interruptionEvent(game.phase()));
        random.scriptDeal(layout);
        game.StartDeal();
        phases.push_back(game.phase());
        game.EndDeal();
        phases.push_back(game.phase());
    }
    void pick(int row, int col) { step(pickEvent(game.Pick(row, col))); }
    void place(int row, int col) { step(placeEvent(game.Place(row, col))); }
    void reveal(int row, int col) {
        const auto result = game.Reveal(row, col);
        step(result ? revealEvent(*result) : std::nullopt);
    }
    // Turns up every cell still face down, row by row.
    void revealAll() {
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                if (game.Tableau(r, c) != EmptyCell)
                    reveal(r, c);
    }

    void step(Event event) {
        note(event);
        phases.push_back(game.phase());
    }
    void note(Event event) {
        if (event)
            events.push_back(*event);
    }

    CardBackChoice back;
    ScriptedRandom random;
    GameState game{back, random};
    std::vector<StatisticsEvent> events;
    std::vector<GamePhase> phases;
};

using P = GamePhase;
using E = StatisticsEvent;

} // namespace

TEST_F(GameEventsTest, ChainClosingOnEveryCardWinsByTheChain) {
    EXPECT_EQ(game.phase(), P::NotDealt);
    deal(layouts::fullChain());
    pick(1, 1);
    for (int i = 1; i < CellCount; ++i)
        place(layouts::cell(i).first, layouts::cell(i).second);
    EXPECT_EQ(game.phase(), P::CarryingTalon);
    place(1, 1);
    EXPECT_EQ(events, (std::vector{E::GameStarted, E::WonByChain}));
    EXPECT_EQ(game.phase(), P::Over);
    deal(layouts::allHome());
    EXPECT_EQ(events.size(), 2u) << "a won game is not abandoned by the next deal";
}

TEST_F(GameEventsTest, LastWellPlacedCardWinsAtReveal) {
    deal(layouts::allHome());
    pick(2, 3);
    place(1, 1); // rejected: not its home
    place(2, 3);
    EXPECT_EQ(game.phase(), P::Revealing);
    revealAll();
    EXPECT_EQ(events, (std::vector{E::GameStarted, E::WonAtReveal}));
    EXPECT_EQ(phases.front(), P::NotDealt);
    EXPECT_EQ(phases[1], P::AwaitingFirstCard);
    EXPECT_EQ(phases[2], P::CarryingTalon);
    EXPECT_EQ(phases.back(), P::Over);
}

TEST_F(GameEventsTest, OnlyTheFirstMisplacedCardLoses) {
    deal(layouts::losing());
    pick(1, 1);
    place(1, 1);
    reveal(2, 2);
    EXPECT_EQ(game.phase(), P::Over);
    revealAll();
    EXPECT_EQ(events, (std::vector{E::GameStarted, E::Lost}));
    EXPECT_EQ(game.phase(), P::Over);
}

// A new deal or quitting abandons the game only while it runs.
TEST_F(GameEventsTest, InterruptionAbandonsOnlyARunningGame) {
    const struct {
        GamePhase phase;
        Event event;
    } cases[] = {{P::NotDealt, std::nullopt},
                 {P::AwaitingFirstCard, std::nullopt},
                 {P::CarryingTalon, E::Abandoned},
                 {P::Revealing, E::Abandoned},
                 {P::Over, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(interruptionEvent(c.phase), c.event) << int(c.phase);

    deal(layouts::allHome());
    pick(1, 1);
    deal(layouts::allHome());
    pick(1, 1);
    place(1, 1);
    deal(layouts::allHome());
    EXPECT_EQ(events, (std::vector{E::GameStarted, E::Abandoned, E::GameStarted, E::Abandoned}));
}

TEST_F(GameEventsTest, RowOfSuitFollowsTheClaims) {
    deal(layouts::fullChain());
    for (int suit = 0; suit <= 4; ++suit)
        EXPECT_EQ(game.rowOfSuit(suit), 0) << suit;
    pick(1, 1);
    place(1, 2); // the card of row 1's suit claims row 1
    EXPECT_EQ(game.rowOfSuit(1), 1);
    EXPECT_EQ(game.rowOfSuit(2), 0);
    EXPECT_EQ(game.rowOfSuit(0), 0) << "0 is no suit, even beside unclaimed rows";
}

// A game left on disk and replaced by a new deal counts as abandoned only if it had started.
TEST_F(GameEventsTest, ReplacedGameIsAbandonedOnlyOnceStarted) {
    deal(layouts::allHome());
    EXPECT_EQ(replacedGameEvent(game.snapshot()), std::nullopt);
    pick(2, 3);
    EXPECT_EQ(replacedGameEvent(game.snapshot()), E::Abandoned);
    place(2, 3);
    EXPECT_EQ(game.FaceUp(2, 3), game.CurrentCard()) << "the laid card lies face up";
    EXPECT_EQ(replacedGameEvent(game.snapshot()), E::Abandoned);
    reveal(1, 1);
    EXPECT_NE(game.FaceUp(1, 1), EmptyCell) << "a revealed card lies face up";
    revealAll();
    EXPECT_EQ(replacedGameEvent(game.snapshot()), std::nullopt);
}
