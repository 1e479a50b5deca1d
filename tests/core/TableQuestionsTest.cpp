#include <gtest/gtest.h>

#include <algorithm>

#include "CardBack.h"
#include "GameState.h"
#include "ScriptedRandom.h"
#include "TableQuestions.h"

using namespace vestorine;

namespace {

constexpr int KingOfSuit2 = 49;  // column 2
constexpr int QueenOfSuit2 = 45; // column 3
constexpr int AceOfSuit1 = 0;    // column 1

// Every card at home but three: (1,1) holds the king of suit 2, its home (2,2) the queen of
// suit 2, whose home (2,3) holds the ace of suit 1, which belongs at (1,1).
std::array<int, CellCount> threeCardChain() {
    auto layout = deckInTableOrder();
    layout[0] = KingOfSuit2;
    layout[9] = QueenOfSuit2;
    layout[10] = AceOfSuit1;
    return layout;
}

class TableQuestionsTest : public ::testing::Test {
protected:
    TableQuestionsTest() { back.choosePicture(1); }

    void deal() {
        random.scriptDeal(threeCardChain());
        game.StartDeal();
        game.EndDeal();
    }

    CardBackChoice back;
    ScriptedRandom random;
    GameState game{back, random};
};

} // namespace

TEST(TableQuestions, RankKeysAndCardsShareTheColumns) {
    const std::vector<std::pair<char, int>> keys{{'A', 1}, {'k', 2}, {'Q', 3}, {'J', 4},
                                                 {'T', 5}, {'1', 5}, {'9', 6}, {'8', 7},
                                                 {'7', 8}, {'x', 0}, {'0', 0}, {'6', 0}};
    for (const auto& [key, col] : keys)
        EXPECT_EQ(columnOfRankKey(key), col) << key;
    for (int row = 0; row < RowCount; ++row)
        for (int col = 0; col < ColumnCount; ++col)
            EXPECT_EQ(columnOfCard(CardTable[row][col]), col + 1);
    EXPECT_EQ(columnOfCard(4), 0); // a two: not in this deck
    EXPECT_EQ(columnOfCard(EmptyCell), 0);
}

TEST(TableQuestions, FreeRowJumpSparesTheFirstCardsRowWhileAnotherIsFree) {
    const std::vector<std::tuple<std::vector<int>, int, int, int>> cases{
        {{1, 2, 3, 4}, 1, 3, 3}, {{1, 2, 3, 4}, 1, 1, 2}, {{1, 3, 4}, 2, 2, 1},
        {{2, 4}, 3, 1, 2},       {{1, 4}, 4, 4, 1},       {{3}, 3, 1, 3}};
    for (const auto& [free, first, current, jump] : cases)
        EXPECT_EQ(freeRowJump(free, first, current), jump) << first << " " << current;
}

TEST_F(TableQuestionsTest, NothingToTellBeforeADeal) {
    EXPECT_FALSE(talonWay(game));
    EXPECT_FALSE(firstCell(game));
    EXPECT_FALSE(talonJump(game, 1));
    EXPECT_TRUE(faceDownCells(game).empty());
    EXPECT_EQ(freeRows(game), (std::vector<int>{1, 2, 3, 4}));
    game.StartDeal(); // dealing: the cards are not all down yet
    EXPECT_TRUE(faceDownCells(game).empty());
}

TEST_F(TableQuestionsTest, FollowTheChainStepByStep) {
    struct Step {
        Cell placeOn;          // {0,0}: nothing placed before asking
        int talon;             // expected talon card
        int col;               // its column
        std::vector<int> rows; // rows it may go to
        std::vector<int> free; // rows no suit owns
        int fromRow;           // the cursor's row when the jump key is pressed
        Cell jump;             // where it lands
        size_t faceDown;       // cells still face down
    };
    const std::vector<Step> steps{
        {{0, 0}, KingOfSuit2, 2, {1, 2, 3, 4}, {1, 2, 3, 4}, 3, {3, 2}, 31},
        {{2, 2}, QueenOfSuit2, 3, {2}, {1, 3, 4}, 4, {2, 3}, 30},
        {{2, 3}, AceOfSuit1, 1, {1, 3, 4}, {1, 3, 4}, 2, {3, 1}, 29},
    };
    deal();
    EXPECT_EQ(faceDownCells(game).size(), 32u);
    game.Pick(1, 1);
    for (const auto& step : steps) {
        if (step.placeOn.row) {
            ASSERT_EQ(game.Place(step.placeOn.row, step.placeOn.col).outcome,
                      PlaceOutcome::Advanced);
        }
        const auto way = talonWay(game);
        ASSERT_TRUE(way);
        EXPECT_EQ(way->card, step.talon);
        EXPECT_EQ(way->col, step.col);
        EXPECT_EQ(way->rows, step.rows);
        EXPECT_EQ(freeRows(game), step.free);
        EXPECT_EQ(talonJump(game, step.fromRow), step.jump);
        EXPECT_EQ(faceDownCells(game).size(), step.faceDown);
        EXPECT_EQ(firstCell(game), (Cell{1, 1}));
    }
    // The first cell is the talon, not a face-down card, while the chain runs.
    const auto down = faceDownCells(game);
    EXPECT_EQ(std::count(down.begin(), down.end(), Cell{1, 1}), 0);
    // A free current row keeps the player's choice for a suit without a row.
    EXPECT_EQ(talonJump(game, 4), (Cell{4, 1}));
    EXPECT_EQ(game.rowOfSuit(2), 2);
    EXPECT_EQ(game.rowOfSuit(1), 0);
}

TEST_F(TableQuestionsTest, ClosedChainLeavesTheRestFaceDown) {
    deal();
    game.Pick(1, 1);
    game.Place(2, 2);
    game.Place(2, 3);
    ASSERT_EQ(game.Place(1, 1).outcome, PlaceOutcome::ChainClosed);
    EXPECT_FALSE(talonWay(game));
    EXPECT_FALSE(talonJump(game, 1));
    EXPECT_EQ(game.rowOfSuit(1), 1);
    EXPECT_EQ(freeRows(game), (std::vector<int>{3, 4}));
    EXPECT_EQ(faceDownCells(game).size(), 29u);
    game.Reveal(4, 8);
    const auto down = faceDownCells(game);
    EXPECT_EQ(down.size(), 28u);
    EXPECT_EQ(down.front(), (Cell{1, 2}));
    EXPECT_EQ(down.back(), (Cell{4, 7}));
}

namespace {

// Whether the game acts on the cell, tried on a copy: a pick, a place or a reveal.
bool gameActs(const GameState& game, Cell cell) {
    GameState trial = game;
    if (trial.Pick(cell.row, cell.col))
        return true;
    if (trial.Place(cell.row, cell.col).outcome != PlaceOutcome::Rejected)
        return true;
    return trial.Reveal(cell.row, cell.col).has_value();
}

} // namespace

TEST_F(TableQuestionsTest, RefusalsAgreeWithTheGameAtEveryCell) {
    const auto check = [this](const char* when) {
        for (int row = 1; row <= RowCount; ++row)
            for (int col = 1; col <= ColumnCount; ++col)
                EXPECT_EQ(refusalAt(game, {row, col}) == Refusal::None, gameActs(game, {row, col}))
                    << when << " " << row << "," << col;
    };
    check("not dealt");
    EXPECT_EQ(refusalAt(game, {1, 1}), Refusal::NotDealt);
    deal();
    check("awaiting");
    game.Pick(1, 1);
    check("carrying");
    EXPECT_EQ(refusalAt(game, {1, 1}), Refusal::NotHome);
    game.Place(2, 2);
    check("carrying the queen");
    EXPECT_EQ(refusalAt(game, {2, 2}), Refusal::NotHome); // laid face up
    game.Place(2, 3);
    game.Place(1, 1);
    check("revealing");
    EXPECT_EQ(refusalAt(game, {1, 1}), Refusal::Empty);
    EXPECT_EQ(refusalAt(game, {2, 2}), Refusal::FaceUp);
    EXPECT_EQ(refusalAt(game, {4, 8}), Refusal::None);
    for (const Cell cell : faceDownCells(game))
        game.Reveal(cell.row, cell.col);
    check("won");
    EXPECT_EQ(refusalAt(game, {4, 8}), Refusal::Over);
}
