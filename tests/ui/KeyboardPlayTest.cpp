#include "TableFixture.h"

#include "CellCursor.h"

#include <QAction>

namespace {

using vestorine::MsgInviteCarry;
using vestorine::MsgInvitePick;
using vestorine::MsgInviteReveal;
using vestorine::MsgLost;
using vestorine::MsgWon;

// The main window played by keys alone: the cursor walks from the top-left corner to a cell.
class KeyboardTest : public TableTest {
protected:
    KeyboardTest() {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    CellCursor* cursor() { return control<CellCursor>("CellCursor"); }
    void key(Qt::Key k) { QTest::keyClick(jeu(), k); }
    void goTo(int row, int col) {
        for (int i = 0; i < vestorine::RowCount - 1; ++i)
            key(Qt::Key_Up);
        for (int i = 0; i < vestorine::ColumnCount - 1; ++i)
            key(Qt::Key_Left);
        for (int i = 1; i < row; ++i)
            key(Qt::Key_Down);
        for (int i = 1; i < col; ++i)
            key(Qt::Key_Right);
    }
    void press(int row, int col, Qt::Key k = Qt::Key_Return) {
        goTo(row, col);
        key(k);
    }
    void dealByKey(const Layout& layout, QKeyCombination keys = QKeyCombination(Qt::Key_F2)) {
        random.scriptDeal(layout);
        QTest::keyClick(&form, keys.key(), keys.keyboardModifiers());
    }
    // Picks (1, 1) and lays its card back home, which closes the chain at once.
    void closeChainAtOnce() {
        press(1, 1, Qt::Key_Space);
        ASSERT_EQ(status(), message(MsgInviteCarry));
        press(1, 1);
        ASSERT_EQ(status(), message(MsgInviteReveal));
    }
};

Layout losingLayout() {
    Layout layout = layouts::allHome();
    std::swap(layout[layouts::at(2, 2)], layout[layouts::at(2, 3)]);
    return layout;
}

TEST_F(KeyboardTest, CtrlNAndF2DealFromTheMenuItem) {
    QAction* deal = form.findChild<QAction*>(QStringLiteral("MenuDeal32"));
    ASSERT_NE(deal, nullptr);
    EXPECT_EQ(deal->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)}));
    EXPECT_EQ(deal->text(), QStringLiteral("Nouvelle partie"));
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_F2), Qt::CTRL | Qt::Key_N}) {
        press(2, 2, Qt::Key_Space);
        dealByKey(layouts::fullChain(), keys);
        EXPECT_EQ(status(), message(MsgInvitePick));
        EXPECT_TRUE(showsBack(2, 2));
    }
}

TEST_F(KeyboardTest, CursorShowsAtTheFirstKeyStopsAtTheEdgesAndHidesAtAPress) {
    deal(layouts::allHome());
    const QImage before = jeu()->picture().toImage();
    EXPECT_FALSE(cursor()->isVisible());

    key(Qt::Key_Right);
    EXPECT_TRUE(cursor()->isVisible());
    EXPECT_EQ(std::pair(cursor()->row(), cursor()->column()), std::pair(1, 2));
    goTo(1, 1);
    key(Qt::Key_Up);
    key(Qt::Key_Left);
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
        const int row = i / vestorine::ColumnCount + 1;
        const int col = i % vestorine::ColumnCount + 1;
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
    };
    for (const Case& c :
         {Case{layouts::allHome(), MsgWon, 22, true}, Case{losingLayout(), MsgLost, 18, false}}) {
        loto.hide();
        dealByKey(c.layout);
        closeChainAtOnce();
        for (int i = 1; i < vestorine::CellCount && status() != message(MsgLost); ++i) {
            const int row = i / vestorine::ColumnCount + 1;
            const int col = i % vestorine::ColumnCount + 1;
            press(row, col);
            ASSERT_TRUE(showsFace(row, col, c.layout[i])) << row << "," << col;
        }
        EXPECT_EQ(status(), message(c.verdict));
        EXPECT_EQ(statusPoints(), c.points);
        EXPECT_EQ(loto.isVisible(), c.lottery);
    }
}

} // namespace
