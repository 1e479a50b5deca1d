#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "Cards.h"

using namespace vestorine;

TEST(Cards, CardTableRowsHoldOneSuitInRankOrder) {
    for (int row = 1; row <= RowCount; ++row) {
        const int s = row - 1;
        const std::array<int, ColumnCount> expected{s,      48 + s, 44 + s, 40 + s,
                                                    36 + s, 32 + s, 28 + s, 24 + s};
        EXPECT_EQ(CardTable[row - 1], expected) << "row " << row;
        for (int card : CardTable[row - 1])
            EXPECT_EQ(suitNumber(card), row);
    }
}

TEST(Cards, ColumnTestMatchesOnlyTheRankOfTheColumn) {
    // Each of the 32 cards belongs to exactly one column: the one CardTable puts it in.
    for (int row = 1; row <= RowCount; ++row)
        for (int col = 1; col <= ColumnCount; ++col)
            for (int c = 1; c <= ColumnCount; ++c)
                EXPECT_EQ(belongsToColumn(CardTable[row - 1][col - 1], c), c == col);

    // Twos to sixes, ids past the deck and an emptied cell belong nowhere.
    for (int card : {EmptyCell, 4, 13, 23, 52, 53, 68})
        for (int c = 0; c <= ColumnCount + 1; ++c)
            EXPECT_FALSE(belongsToColumn(card, c)) << card << " in column " << c;
}

TEST(Cards, DeckInTableOrderIsTheThirtyTwoGameCards) {
    const auto deck = deckInTableOrder();
    EXPECT_EQ(deck[0], 0);
    EXPECT_EQ(deck[1], 48);
    EXPECT_EQ(deck[7], 24);
    EXPECT_EQ(deck[8], 1);
    EXPECT_EQ(deck[31], 27);
    const std::set<int> distinct(deck.begin(), deck.end());
    EXPECT_EQ(distinct.size(), 32u);
    EXPECT_TRUE(
        std::all_of(deck.begin(), deck.end(), [](int card) { return card < 4 || card >= 24; }));
}
