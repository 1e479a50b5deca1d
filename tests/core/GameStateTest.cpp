#include <gtest/gtest.h>

#include "CardBack.h"
#include "GameState.h"
#include "ScriptedRandom.h"

using namespace vestorine;

namespace {

using Layout = std::array<int, CellCount>;

class GameStateTest : public ::testing::Test {
protected:
    GameStateTest() { back.choosePicture(1); }

    void deal(const Layout& layout) {
        random.scriptDeal(layout);
        game.StartDeal();
        game.EndDeal();
    }

    // Row and column where `card` lies in `layout`.
    static std::pair<int, int> cellOf(const Layout& layout, int card) {
        for (int i = 0; i < CellCount; ++i)
            if (layout[i] == card)
                return {i / ColumnCount + 1, i % ColumnCount + 1};
        return {0, 0};
    }

    // Suit k - 1 lives in row k; a card's home column is its column in CardTable.
    static std::pair<int, int> homeOf(int card) { return cellOf(deckInTableOrder(), card); }

    int emptiedCells() const {
        int count = 0;
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                count += game.Tableau(r, c) == EmptyCell;
        return count;
    }

    CardBackChoice back;
    ScriptedRandom random;
    GameState game{back, random};
};

Layout swapped(Layout layout, int a, int b) {
    std::swap(layout[a], layout[b]);
    return layout;
}

} // namespace

TEST_F(GameStateTest, StartsIdleInFrench) {
    EXPECT_FALSE(game.Dealt());
    EXPECT_EQ(game.Tableau(1, 1), 0);
    EXPECT_EQ(game.MessageIndex(), 0);
    EXPECT_EQ(game.Language(), French);
    game.setLanguage(English);
    EXPECT_EQ(game.Language(), English);
}

TEST_F(GameStateTest, ShuffleFollowsTheDrawsAndADrawOfIKeepsTheCard) {
    // All draws j = i: no swap at all, the deck stays in table order.
    for (int i = CellCount; i >= 2; --i)
        random.append(i);
    game.StartDeal();
    EXPECT_EQ(random.seeds, 1);
    for (int i = 0; i < CellCount; ++i)
        EXPECT_EQ(game.Tableau(i / 8 + 1, i % 8 + 1), deckInTableOrder()[i]);

    // First draw 1 swaps L[32] and L[1], the rest keep their place.
    random.append(1);
    for (int i = CellCount - 1; i >= 2; --i)
        random.append(i);
    game.StartDeal();
    EXPECT_EQ(game.Tableau(4, 8), 0);
    EXPECT_EQ(game.Tableau(1, 1), 27);
    EXPECT_TRUE(random.draws.empty()) << "the shuffle takes exactly 31 draws";
}

TEST_F(GameStateTest, ScriptedDealLaysOutAnyPermutation) {
    const Layout layout = layouts::fullChain();
    deal(layout);
    for (int i = 0; i < CellCount; ++i)
        EXPECT_EQ(game.Tableau(i / 8 + 1, i % 8 + 1), layout[i]);
    EXPECT_TRUE(game.Dealt());
    EXPECT_EQ(game.MessageIndex(), MsgInvitePick);
}

TEST_F(GameStateTest, ChainThroughAllCardsWinsWithoutReveal) {
    const Layout layout = layouts::fullChain();
    deal(layout);
    ASSERT_EQ(game.Pick(1, 1), layout[0]);
    EXPECT_EQ(game.MessageIndex(), MsgInviteCarry);
    EXPECT_EQ(game.Tableau(1, 1), layout[0])
        << "the first cell keeps its card until the chain closes";

    for (int step = 1; step < CellCount; ++step) {
        const int talon = game.CurrentCard();
        const auto [row, col] = homeOf(talon);
        const PlaceResult result = game.Place(row, col);
        ASSERT_EQ(result.outcome, PlaceOutcome::Advanced) << "step " << step;
        EXPECT_EQ(result.laidCard, talon);
        EXPECT_EQ(result.newTalon, layout[layouts::at(row, col)]);
        EXPECT_EQ(game.Tableau(row, col), EmptyCell);
        EXPECT_EQ(game.MessageIndex(), MsgInviteCarry);
    }
    const int last = game.CurrentCard();
    EXPECT_EQ(homeOf(last), std::make_pair(1, 1));
    const PlaceResult closing = game.Place(1, 1);
    EXPECT_EQ(closing.outcome, PlaceOutcome::ChainClosed);
    EXPECT_EQ(closing.laidCard, last);
    EXPECT_TRUE(closing.AllPlaced);
    EXPECT_TRUE(game.Revealing());
    EXPECT_FALSE(game.GameLost());
    EXPECT_EQ(game.MessageIndex(), MsgWon);
    EXPECT_EQ(emptiedCells(), CellCount);
    EXPECT_EQ(game.Reveal(2, 2), std::nullopt) << "nothing is left to reveal";
}

TEST_F(GameStateTest, FirstCardCarriedStraightHomeThenRevealsWin) {
    deal(layouts::allHome());
    ASSERT_EQ(game.Pick(2, 3), 45);
    const PlaceResult result = game.Place(2, 3);
    EXPECT_EQ(result.outcome, PlaceOutcome::ChainClosed);
    EXPECT_FALSE(result.AllPlaced);
    EXPECT_EQ(game.MessageIndex(), MsgInviteReveal);
    EXPECT_EQ(emptiedCells(), 1);
    EXPECT_EQ(game.RowSuit(2), 2);

    int revealed = 0;
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c) {
            if (r == 2 && c == 3)
                continue;
            const auto reveal = game.Reveal(r, c);
            ASSERT_TRUE(reveal.has_value());
            EXPECT_EQ(reveal->card, CardTable[r - 1][c - 1]);
            ++revealed;
            const auto expected = revealed == 31 ? RevealVerdict::Won : RevealVerdict::Continue;
            EXPECT_EQ(reveal->verdict, expected);
            EXPECT_EQ(game.MessageIndex(), revealed == 31 ? MsgWon : MsgInviteReveal);
        }
    EXPECT_EQ(game.RowSuit(1), 0) << "a reveal never claims a row";
}

TEST_F(GameStateTest, RevealLosesAtTheFirstMisplacedCardAndStaysLost) {
    // The king and queen of the last row change places.
    deal(swapped(layouts::allHome(), layouts::at(4, 2), layouts::at(4, 3)));
    game.Pick(1, 1);
    ASSERT_EQ(game.Place(1, 1).outcome, PlaceOutcome::ChainClosed);

    EXPECT_EQ(game.Reveal(1, 1), std::nullopt) << "an emptied cell is ignored";
    EXPECT_EQ(game.Reveal(4, 1)->verdict, RevealVerdict::Continue);
    const auto lost = game.Reveal(4, 2);
    EXPECT_EQ(lost->card, 47);
    EXPECT_EQ(lost->verdict, RevealVerdict::Lost);
    EXPECT_TRUE(game.GameLost());
    EXPECT_EQ(game.MessageIndex(), MsgLost);
    EXPECT_EQ(game.Reveal(4, 2), std::nullopt);

    // Every further reveal, well placed or not, answers Lost, even the one emptying the grid.
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            if (const auto reveal = game.Reveal(r, c)) {
                EXPECT_EQ(reveal->verdict, RevealVerdict::Lost);
                EXPECT_EQ(game.MessageIndex(), MsgLost);
            }
    EXPECT_EQ(emptiedCells(), CellCount);
}

TEST_F(GameStateTest, UnownedRowHoldsMixedSuitsDuringReveal) {
    // Row 3 holds, at their columns, the ace of suit 0 and the king of suit 1; rows 1 and 2
    // then miss those cards, which makes them misplaced only if revealed there.
    Layout layout = layouts::allHome();
    layout = swapped(layout, layouts::at(3, 1), layouts::at(1, 1)); // ace of suit 0 into row 3
    layout = swapped(layout, layouts::at(3, 2), layouts::at(2, 2)); // king of suit 1 into row 3
    deal(layout);
    game.Pick(4, 8);
    ASSERT_EQ(game.Place(4, 8).outcome, PlaceOutcome::ChainClosed);
    EXPECT_EQ(game.Reveal(3, 1)->verdict, RevealVerdict::Continue);
    EXPECT_EQ(game.Reveal(3, 2)->verdict, RevealVerdict::Continue);
    EXPECT_EQ(game.RowSuit(3), 0);
    // The ace of suit 2 now lies in row 1, still unowned, and suit 3 owns no row: no loss.
    EXPECT_EQ(game.Reveal(1, 1)->verdict, RevealVerdict::Continue);
    // A card whose suit owns another row loses, even in an unowned row.
    EXPECT_EQ(game.Reveal(2, 8)->verdict, RevealVerdict::Continue);
    game.Reveal(2, 7);
    EXPECT_FALSE(game.GameLost());
}

TEST_F(GameStateTest, RevealInUnownedRowLosesWhenTheSuitOwnsAnotherRow) {
    // Suit 0 claims row 2 with its ace; its king lies in row 1, unowned.
    Layout layout = layouts::allHome();
    layout = swapped(layout, layouts::at(1, 1), layouts::at(2, 1));
    deal(layout);
    ASSERT_EQ(game.Pick(2, 1), 0);
    ASSERT_EQ(game.Place(2, 1).outcome, PlaceOutcome::ChainClosed);
    EXPECT_EQ(game.RowSuit(2), 1);
    EXPECT_EQ(game.Reveal(1, 2)->verdict, RevealVerdict::Lost);
}

TEST_F(GameStateTest, PlaceChecksColumnThenRowOwnerThenOtherRows) {
    // Chain from (1, 1) of the full-chain layout: talon 48 (king of suit 0), home (1, 2).
    deal(layouts::fullChain());
    ASSERT_EQ(game.Pick(1, 1), 48);
    struct Case {
        int row, col;
        PlaceOutcome expected;
        const char* why;
    };
    const Case cases[] = {
        {1, 3, PlaceOutcome::Rejected, "queen column"},
        {1, 1, PlaceOutcome::Rejected, "ace column, own first cell"},
        {0, 2, PlaceOutcome::Rejected, "no such row"},
        {1, 9, PlaceOutcome::Rejected, "no such column"},
        {3, 2, PlaceOutcome::Advanced, "unowned row, suit owns none: row 3 is claimed"},
    };
    for (const Case& c : cases) {
        const int talon = game.CurrentCard();
        const PlaceResult result = game.Place(c.row, c.col);
        EXPECT_EQ(result.outcome, c.expected) << c.why;
        if (c.expected == PlaceOutcome::Rejected) {
            EXPECT_EQ(game.CurrentCard(), talon) << c.why;
        }
    }
    EXPECT_EQ(game.RowSuit(3), 1);
    // The new talon is the queen of suit 2 (suit number 3), home column 3.
    ASSERT_EQ(game.CurrentCard(), 46);
    EXPECT_EQ(game.Place(3, 3).outcome, PlaceOutcome::Rejected) << "row 3 belongs to suit 1";
    EXPECT_EQ(game.Place(1, 3).outcome, PlaceOutcome::Advanced) << "row 1 is free to claim";
    EXPECT_EQ(game.RowSuit(1), 3);
}

TEST_F(GameStateTest, RowOwnedByAnotherSuitRejectsTheHomeColumn) {
    deal(layouts::fullChain());
    game.Pick(1, 1);  // talon: king of suit 0
    game.Place(1, 2); // row 1 claimed by suit 1; talon: queen of suit 0
    const int talon = game.CurrentCard();
    ASSERT_EQ(talon, 44);
    EXPECT_EQ(game.Place(2, 3).outcome, PlaceOutcome::Rejected) << "suit 1 already owns row 1";
    EXPECT_EQ(game.RowSuit(2), 0);
    EXPECT_EQ(game.Place(1, 3).outcome, PlaceOutcome::Advanced);
}

TEST_F(GameStateTest, OperationsOutsideTheirStateChangeNothing) {
    // Before any deal.
    EXPECT_EQ(game.Pick(1, 1), std::nullopt);
    EXPECT_EQ(game.Place(1, 1).outcome, PlaceOutcome::Rejected);
    EXPECT_EQ(game.Reveal(1, 1), std::nullopt);
    EXPECT_FALSE(game.Picked());

    // Dealt, first card not yet turned: no place, no reveal.
    deal(layouts::allHome());
    EXPECT_EQ(game.Place(1, 1).outcome, PlaceOutcome::Rejected);
    EXPECT_EQ(game.Reveal(1, 1), std::nullopt);
    EXPECT_EQ(game.Pick(0, 1), std::nullopt);
    EXPECT_EQ(game.Pick(1, 9), std::nullopt);

    // During the chain: no second pick, no reveal.
    game.Pick(1, 1);
    EXPECT_EQ(game.Pick(2, 2), std::nullopt);
    EXPECT_EQ(game.Reveal(2, 2), std::nullopt);
    EXPECT_EQ(game.FirstRow(), 1);
    EXPECT_EQ(game.MessageIndex(), MsgInviteCarry);

    // After the chain closed: no place, no pick.
    game.Place(1, 1);
    EXPECT_EQ(game.Place(1, 1).outcome, PlaceOutcome::Rejected);
    EXPECT_EQ(game.Place(2, 1).outcome, PlaceOutcome::Rejected);
    EXPECT_EQ(game.Pick(2, 2), std::nullopt);
    EXPECT_EQ(game.MessageIndex(), MsgInviteReveal);
    EXPECT_EQ(game.Tableau(2, 1), 1);
}

TEST_F(GameStateTest, DealInTheMiddleDiscardsEverythingButKeepsTheTalonFields) {
    deal(layouts::fullChain());
    game.Pick(1, 1);
    game.Place(1, 2);
    const int talon = game.CurrentCard();

    random.scriptDeal(layouts::allHome());
    game.StartDeal();
    EXPECT_FALSE(game.Dealt());
    EXPECT_FALSE(game.Picked());
    EXPECT_FALSE(game.Revealing());
    EXPECT_EQ(game.MessageIndex(), MsgBlank);
    for (int r = 1; r <= RowCount; ++r)
        EXPECT_EQ(game.RowSuit(r), 0);
    EXPECT_EQ(game.Tableau(1, 2), 48) << "the emptied cell is dealt anew";
    EXPECT_EQ(game.CurrentCard(), talon);
    EXPECT_EQ(game.FirstRow(), 1);
    EXPECT_EQ(game.FirstCol(), 1);
    EXPECT_EQ(game.Pick(1, 1), std::nullopt) << "no pick before the deal completes";

    game.EndDeal();
    EXPECT_EQ(game.Pick(3, 4), 42);
    EXPECT_EQ(game.FirstRow(), 3);
    EXPECT_EQ(game.FirstCol(), 4);
}

TEST_F(GameStateTest, DealInTheRevealPhaseClearsTheLoss) {
    deal(swapped(layouts::allHome(), 0, 31));
    game.Pick(1, 2);
    game.Place(1, 2);
    ASSERT_EQ(game.Reveal(1, 1)->verdict, RevealVerdict::Lost);
    deal(layouts::allHome());
    EXPECT_FALSE(game.GameLost());
    EXPECT_FALSE(game.Revealing());
    EXPECT_EQ(game.MessageIndex(), MsgInvitePick);
}

TEST_F(GameStateTest, DealDrawsABackOnlyWhenRandomIsChosen) {
    back.choosePicture(4);
    random.scriptDeal(layouts::allHome());
    game.StartDeal();
    EXPECT_EQ(back.Back, 57);
    EXPECT_TRUE(random.draws.empty());

    back.chooseRandom();
    random.scriptDeal(layouts::allHome());
    random.append(14);
    game.StartDeal();
    EXPECT_EQ(back.Back, 53);
    EXPECT_EQ(back.BackColor, 0x0000FFu);
    EXPECT_TRUE(back.RandomBack);
    EXPECT_EQ(random.seeds, 3) << "one seed per shuffle, one more for the random back";
}
