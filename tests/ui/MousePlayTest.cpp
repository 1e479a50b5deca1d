#include "TableFixture.h"

#include <utility>

namespace {

using vestorine::MsgInviteCarry;
using vestorine::MsgInviteDeal;
using vestorine::MsgInvitePick;
using vestorine::MsgInviteReveal;
using vestorine::MsgLost;
using vestorine::MsgWon;

std::pair<int, int> cellOf(int index) {
    return {index / vestorine::ColumnCount + 1, index % vestorine::ColumnCount + 1};
}

// Every card at home but two swapped in row 2, so the reveal of (2, 2) loses.
Layout losingLayout() {
    Layout layout = layouts::allHome();
    std::swap(layout[layouts::at(2, 2)], layout[layouts::at(2, 3)]);
    return layout;
}

TEST_F(TableTest, WholeChainThroughAllCellsWinsWithoutTheLottery) {
    const Layout layout = layouts::fullChain();
    deal(layout);
    clickCell(1, 1);
    EXPECT_EQ(status(), message(MsgInviteCarry));
    EXPECT_TRUE(talon()->isVisible());
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    EXPECT_TRUE(talonShows(layout[0]));
    EXPECT_TRUE(showsPlaceholder(1, 1));

    // Cell i holds the card whose home is cell i + 1: each drop lays the talon and takes up
    // the card found there.
    for (int i = 1; i < vestorine::CellCount; ++i) {
        const auto [row, col] = cellOf(i);
        dropOnCell(row, col);
        ASSERT_TRUE(showsFace(row, col, layout[i - 1])) << row << "," << col;
        ASSERT_TRUE(talonShows(layout[i])) << row << "," << col;
        ASSERT_EQ(talon()->pos(), geometry.talonHome().topLeft());
        ASSERT_EQ(status(), message(MsgInviteCarry));
    }
    dropOnCell(1, 1);
    EXPECT_TRUE(showsFace(1, 1, layout[vestorine::CellCount - 1]));
    EXPECT_FALSE(talon()->isVisible());
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    EXPECT_EQ(status(), message(MsgWon));
    EXPECT_EQ(statusPoints(), 22);
    EXPECT_TRUE(blink()->isActive());
    EXPECT_FALSE(loto.isVisible());
}

TEST_F(TableTest, ClosedChainWithCardsLeftBlinksThenRevealsWin) {
    deal(layouts::allHome());
    clickCell(1, 1);
    dropOnCell(1, 1);
    EXPECT_TRUE(showsFace(1, 1, layouts::allHome()[0]));
    EXPECT_FALSE(talon()->isVisible());
    EXPECT_EQ(status(), message(MsgInviteReveal));
    EXPECT_EQ(statusPoints(), 14); // the size stays
    EXPECT_TRUE(blink()->isActive());

    for (int i = 1; i < vestorine::CellCount; ++i) {
        const auto [row, col] = cellOf(i);
        clickCell(row, col);
        ASSERT_TRUE(showsFace(row, col, layouts::allHome()[i])) << row << "," << col;
    }
    EXPECT_EQ(status(), message(MsgWon));
    EXPECT_EQ(statusPoints(), 22);
    EXPECT_TRUE(blink()->isActive());
    EXPECT_TRUE(loto.isVisible());

    loto.hide();
    clickCell(2, 2); // an emptied cell
    EXPECT_FALSE(loto.isVisible());

    loto.showLoto();
    deal(layouts::allHome()); // a deal hides the lottery window
    EXPECT_FALSE(loto.isVisible());
}

// The blink started by the closed chain goes on at its own pace when the last reveal wins.
TEST_F(TableTest, WinDuringTheBlinkKeepsItsRhythm) {
    deal(layouts::allHome());
    clickCell(1, 1);
    dropOnCell(1, 1);
    for (int i = 1; i < vestorine::CellCount - 1; ++i)
        clickCell(cellOf(i).first, cellOf(i).second);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }));
    QTest::qWait(50);
    const int before = blink()->remainingTime();
    clickCell(4, 8);
    ASSERT_EQ(status(), message(MsgWon));
    EXPECT_TRUE(blink()->isActive());
    EXPECT_LE(blink()->remainingTime(), before);
}

TEST_F(TableTest, RevealOutOfPlaceLosesAndLaterRevealsKeepTheVerdict) {
    const Layout layout = losingLayout();
    deal(layout);
    clickCell(1, 1);
    dropOnCell(1, 1);
    ASSERT_TRUE(blink()->isActive());

    clickCell(2, 2);
    EXPECT_TRUE(showsFace(2, 2, layout[layouts::at(2, 2)]));
    EXPECT_FALSE(blink()->isActive());
    EXPECT_EQ(status(), message(MsgLost));
    EXPECT_EQ(statusPoints(), 18);
    EXPECT_EQ(statusColour(), QColor(255, 255, 0));

    for (const auto& [row, col] : {std::pair{3, 1}, std::pair{2, 3}, std::pair{4, 8}}) {
        clickCell(row, col);
        EXPECT_TRUE(showsFace(row, col, layout[layouts::at(row, col)]));
        EXPECT_EQ(status(), message(MsgLost));
        EXPECT_EQ(statusPoints(), 18);
        EXPECT_FALSE(blink()->isActive());
    }
    EXPECT_FALSE(loto.isVisible());
}

TEST_F(TableTest, ClicksOffTheCellsDoNothing) {
    clickCell(1, 1); // before the first deal
    EXPECT_EQ(status(), message(MsgInviteDeal));

    deal(layouts::allHome());
    for (const QPoint point : {QPoint(76, 50), QPoint(81, 50), QPoint(40, 106), QPoint(0, 0),
                               QPoint(645, 50), QPoint(40, 96)}) {
        clickGrid(point);
        EXPECT_FALSE(game.Picked()) << point.x() << "," << point.y();
        EXPECT_FALSE(talon()->isVisible());
        EXPECT_EQ(status(), message(MsgInvitePick));
    }
    clickGrid(QPoint(82, 107)); // just inside cell (2, 2)
    EXPECT_EQ(game.FirstRow(), 2);
    EXPECT_EQ(game.FirstCol(), 2);
    EXPECT_TRUE(talonShows(layouts::allHome()[layouts::at(2, 2)]));

    clickCell(3, 3); // during the chain
    EXPECT_TRUE(showsBack(3, 3));
    EXPECT_EQ(status(), message(MsgInviteCarry));
}

// After the pick of (1, 1) in the full chain, the talon (a king) goes home to (1, 2).
class RejectedDrop : public TableTest {
protected:
    void SetUp() override {
        deal(layouts::fullChain());
        clickCell(1, 1);
    }
    int talonCard() const { return layouts::fullChain()[layouts::at(1, 1)]; }
    void expectUnchanged() {
        EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
        EXPECT_TRUE(talon()->isVisible());
        EXPECT_TRUE(talonShows(talonCard()));
        EXPECT_EQ(game.CurrentCard(), talonCard());
        EXPECT_EQ(status(), message(MsgInviteCarry));
    }
};

TEST_F(RejectedDrop, OnAnotherColumnsCell) {
    dropOnCell(1, 3);
    expectUnchanged();
    EXPECT_TRUE(showsBack(1, 3));
}

TEST_F(RejectedDrop, OnARowWhenTheSuitOwnsAnother) {
    dropOnCell(1, 2); // the king claims row 1; the queen taken up is of the same suit
    const int queen = layouts::fullChain()[layouts::at(1, 2)];
    dropOnCell(2, 3);
    EXPECT_TRUE(talonShows(queen));
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    EXPECT_TRUE(showsBack(2, 3));
}

TEST_F(RejectedDrop, OffEveryCell) {
    const QPoint grid = geometry.gridRect().topLeft();
    for (const QPoint centre : {grid + QPoint(76, 50),    // gap between columns 1 and 2
                                grid + QPoint(81, 50),    // left border of (1, 2)
                                grid + QPoint(100, 96),   // gap under row 1
                                QPoint(600, 40),          // beside the status line
                                grid + QPoint(300, 500)}) // under the grid
    {
        dropCentreAt(centre);
        expectUnchanged();
    }
}

TEST_F(TableTest, OnlyTheTalonsCentreDesignatesTheCell) {
    deal(layouts::fullChain());
    clickCell(1, 1);
    const QPoint grid = geometry.gridRect().topLeft();
    const QPoint cell12 = grid + geometry.cellRect(1, 2).topLeft();

    // Grabbed by its top-left corner: the pointer ends above the grid, the centre on (1, 2).
    const QPoint corner(1, 1); // (0, 0) would mean the centre to the test helpers
    const QPoint centreIn12 = cell12 + QPoint(5, 5);
    dragTalon(corner, centreIn12 - centreOffset() + corner);
    EXPECT_TRUE(showsFace(1, 2, layouts::fullChain()[layouts::at(1, 1)]));

    // Grabbed near its right edge: the pointer ends inside (1, 4), the centre in the gap before.
    const QPoint grab(geometry.cardWidth() - 2, centreOffset().y());
    const QPoint centreInGap = grid + geometry.cellRect(1, 4).topLeft() + QPoint(-5, 40);
    dragTalon(grab, centreInGap - centreOffset() + grab);
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    EXPECT_TRUE(showsBack(1, 3));
    EXPECT_TRUE(showsBack(1, 4));
}

TEST_F(TableTest, BlankTalonBeforeTheFirstDealGoesHome) {
    dropOnCell(2, 2);
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    EXPECT_TRUE(showsPlaceholder(2, 2));
    EXPECT_EQ(status(), message(MsgInviteDeal));
    EXPECT_FALSE(game.Picked());
}

// Every button plays: Qt keeps the pointer on the pressed control whichever button it is.
class AnyButton : public TableTest, public ::testing::WithParamInterface<Qt::MouseButton> {};

TEST_P(AnyButton, PicksAndCarriesTheTalon) {
    deal(layouts::fullChain());
    clickCell(1, 1, GetParam());
    ASSERT_EQ(status(), message(MsgInviteCarry));
    dropOnCell(1, 2, GetParam());
    EXPECT_TRUE(showsFace(1, 2, layouts::fullChain()[layouts::at(1, 1)]));
    EXPECT_TRUE(talonShows(layouts::fullChain()[layouts::at(1, 2)]));
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
}

INSTANTIATE_TEST_SUITE_P(Buttons, AnyButton,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

} // namespace
