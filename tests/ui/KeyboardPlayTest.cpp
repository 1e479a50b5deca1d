#include "TableFixture.h"

#include "table/CellCursor.h"

namespace {

using vestorine::MsgInviteCarry;
using vestorine::MsgInvitePick;
using vestorine::MsgInviteReveal;
using vestorine::MsgLost;
using vestorine::MsgWon;

// The main window played by keys alone.
class KeyboardTest : public TableTest {
protected:
    KeyboardTest() { activate(); }

    CellCursor* cursor() { return control<CellCursor>("CellCursor"); }
    void dealByKey(const Layout& layout, QKeyCombination keys = QKeyCombination(Qt::Key_F2)) {
        random.scriptDeal(layout);
        QTest::keyClick(&form, keys.key(), keys.keyboardModifiers());
    }
};

TEST_F(KeyboardTest, CursorShowsAtTheFirstKeyStopsAtTheEdgesAndHidesAtAPress) {
    deal(layouts::allHome());
    const QImage before = jeu()->picture().toImage();
    EXPECT_FALSE(cursor()->isVisible());

    key(Qt::Key_Right);
    EXPECT_TRUE(cursor()->isVisible());
    EXPECT_EQ(std::pair(cursor()->row(), cursor()->column()), std::pair(1, 2));
    goTo(1, 1); // pushes up and left past the edges
    EXPECT_EQ(std::pair(cursor()->row(), cursor()->column()), std::pair(1, 1));
    goTo(4, 8);
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    EXPECT_EQ(std::pair(cursor()->row(), cursor()->column()), std::pair(4, 8));

    // The frame lies over the grid, around the cell: on screen, never in the grid's picture.
    const QRect cell = geometry.cellRect(4, 8).translated(jeu()->pos());
    const QImage screen = form.centralWidget()->grab().toImage();
    EXPECT_EQ(screen.pixelColor(cell.topLeft() + QPoint(-2, 20)), QColor(255, 255, 0));
    EXPECT_TRUE(showsBack(4, 8));
    EXPECT_EQ(jeu()->picture().toImage(), before);

    QTest::mousePress(jeu(), Qt::LeftButton, {}, geometry.cellRect(2, 2).center());
    EXPECT_FALSE(cursor()->isVisible());
    EXPECT_EQ(jeu()->picture().toImage(), before);
    key(Qt::Key_Left);
    ASSERT_TRUE(cursor()->isVisible());
    QTest::mousePress(form.centralWidget(), Qt::LeftButton, {}, QPoint(600, 40));
    EXPECT_FALSE(cursor()->isVisible());
}

TEST_F(KeyboardTest, WholeChainWithARejectedCarryWins) {
    const Layout layout = layouts::fullChain();
    dealByKey(layout);
    press(1, 1);
    EXPECT_TRUE(talon()->isVisible());
    EXPECT_TRUE(talonShows(layout[0]));
    EXPECT_TRUE(showsPlaceholder(1, 1));

    press(1, 3); // the king belongs to column 2
    EXPECT_TRUE(talonShows(layout[0]));
    EXPECT_TRUE(showsBack(1, 3));
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());

    for (int i = 1; i < vestorine::CellCount; ++i) {
        const auto [row, col] = layouts::cell(i);
        press(row, col, i % 2 ? Qt::Key_Return : Qt::Key_Space);
        ASSERT_TRUE(showsFace(row, col, layout[i - 1])) << row << "," << col;
        ASSERT_TRUE(talonShows(layout[i])) << row << "," << col;
        ASSERT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    }
    press(1, 1);
    EXPECT_TRUE(showsFace(1, 1, layout[vestorine::CellCount - 1]));
    EXPECT_FALSE(talon()->isVisible());
    EXPECT_EQ(status(), message(MsgWon));
    EXPECT_EQ(statusPoints(), 22);
}

TEST_F(KeyboardTest, RevealsEndInTheVerdictOfTheMouse) {
    struct Case {
        Layout layout;
        int verdict;
        int points;
        bool lottery;
        QKeyCombination deal;
    };
    for (const Case& c : {Case{layouts::allHome(), MsgWon, 22, true, Qt::Key_F2},
                          Case{layouts::losing(), MsgLost, 18, false, Qt::CTRL | Qt::Key_N}}) {
        loto.hide();
        dealByKey(c.layout, c.deal);
        ASSERT_EQ(status(), message(MsgInvitePick));
        press(1, 1, Qt::Key_Space); // the first card goes home and closes the chain at once
        ASSERT_EQ(status(), message(MsgInviteCarry));
        press(1, 1);
        ASSERT_EQ(status(), message(MsgInviteReveal));
        for (int i = 1; i < vestorine::CellCount && status() != message(MsgLost); ++i) {
            const auto [row, col] = layouts::cell(i);
            press(row, col);
            ASSERT_TRUE(showsFace(row, col, c.layout[i])) << row << "," << col;
        }
        EXPECT_EQ(status(), message(c.verdict));
        EXPECT_EQ(statusPoints(), c.points);
        EXPECT_EQ(loto.isVisible(), c.lottery);
    }
}

} // namespace
