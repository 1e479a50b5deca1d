#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <tuple>

#include "CardBack.h"
#include "CardDraw.h"
#include "UnitDos.h"

using vestorine::CardBackChoice;

namespace {

constexpr int W = 71;
constexpr int H = 96;

class BackChooserTest : public testing::Test {
protected:
    BackChooserTest()
        : form(back) {
        form.setCardSize(W, H);
        // A choice already made, so each test sees what a click changes.
        back.choosePicture(1);
        back.chooseCrosshatch(2);
        back.choosePicture(3);
    }

    void releaseAt(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(form.ImageJeu, button, {}, QPoint(5, 5));
        QTest::mouseRelease(form.ImageJeu, button, {}, point);
    }

    CardBackChoice back;
    TFormDos form;
};

// The top-left corner of cell (row, col), both 1-based.
QPoint corner(int row, int col) {
    return {(col - 1) * (W + 10), (row - 1) * (H + 10)};
}

} // namespace

TEST_F(BackChooserTest, LanguageSwitchRewritesEveryText) {
    struct Expected {
        int language;
        const char* title;
        const char* label;
        const char* button;
    };
    const Expected sets[] = {
        {1, "CARDS DECK", "Click the deck to use or", "Random"},
        {2, "DOS DES CARTES", "Cliquez le dos à utiliser ou", "Aléatoire"},
        {1, "CARDS DECK", "Click the deck to use or", "Random"},
    };
    EXPECT_EQ(form.windowTitle(), "Dos des cartes");
    EXPECT_EQ(form.Label1->text(), "Cliquez le dos de votre choix ou");
    EXPECT_EQ(form.ButtonRandom->text(), "Aléatoire");
    // Every invitation shows whole, without running under the button.
    auto expectWholeInvitation = [&] {
        EXPECT_GE(form.Label1->width(), form.Label1->sizeHint().width())
            << form.Label1->text().toStdString();
        EXPECT_LT(form.Label1->geometry().right(), form.ButtonRandom->x());
    };
    // Measured as the window opens, and at each switch while it is open.
    form.show();
    expectWholeInvitation();
    for (const Expected& set : sets) {
        form.applyLanguage(set.language);
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(set.title));
        EXPECT_EQ(form.Label1->text(), QString::fromUtf8(set.label));
        EXPECT_EQ(form.ButtonRandom->text(), QString::fromUtf8(set.button));
        expectWholeInvitation();
    }
    // A switch to the longer French text while closed is measured at the next opening.
    form.hide();
    form.applyLanguage(2);
    form.show();
    expectWholeInvitation();
}

TEST_F(BackChooserTest, EachCellChoosesItsBack) {
    for (int row = 1; row <= 4; ++row) {
        for (int col = 1; col <= 4; ++col) {
            CardBackChoice expected = back;
            if (row < 4)
                expected.choosePicture(4 * (row - 1) + col);
            else
                expected.chooseCrosshatch(col);
            back.chooseRandom();
            form.showChooser();
            releaseAt(corner(row, col) + QPoint(W / 2, H / 2));
            EXPECT_EQ(back.Back, expected.Back) << row << "," << col;
            EXPECT_EQ(back.ColorIndex, expected.ColorIndex) << row << "," << col;
            EXPECT_EQ(back.BackColor, expected.BackColor) << row << "," << col;
            EXPECT_FALSE(back.RandomBack);
            EXPECT_FALSE(form.isVisible()) << row << "," << col;
        }
    }
}

TEST_F(BackChooserTest, AnyMouseButtonChooses) {
    form.showChooser();
    releaseAt(corner(2, 2) + QPoint(1, 1), Qt::RightButton);
    EXPECT_EQ(back.Back, 53 + 6);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(BackChooserTest, GapsBordersAndOutsideDoNothing) {
    const QPoint misses[] = {
        corner(1, 1),                          // the cell's own top-left pixel
        corner(2, 3) + QPoint(0, H / 2),       // a left border
        corner(3, 2) + QPoint(W / 2, 0),       // a top border
        corner(1, 1) + QPoint(W, H / 2),       // just right of a cell
        corner(1, 2) + QPoint(-5, H / 2),      // the gap between two columns
        corner(2, 1) + QPoint(W / 2, -5),      // the gap between two rows
        corner(4, 4) + QPoint(W + 20, H + 20), // the margin past the last cell
        QPoint(-30, 50),                       // left of the grid, after a press inside it
        QPoint(2000, 2000),                    // far outside the window
    };
    form.showChooser();
    for (const QPoint point : misses) {
        releaseAt(point);
        EXPECT_EQ(back.Back, 56) << point.x() << "," << point.y();
        EXPECT_FALSE(back.RandomBack);
        EXPECT_TRUE(form.isVisible()) << point.x() << "," << point.y();
    }
}

TEST_F(BackChooserTest, RandomButtonKeepsTheBackAndCloses) {
    form.showChooser();
    QTest::mouseClick(form.ButtonRandom, Qt::LeftButton);
    EXPECT_TRUE(back.RandomBack);
    EXPECT_EQ(back.Back, 56);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(BackChooserTest, GridIsPaintedAtEachShowingAndOnlyRaisedWhenVisible) {
    form.showChooser();
    EXPECT_EQ(form.ImageJeu->geometry(), QRect(10, 10, 4 * W + 50, 4 * H + 30));
    const QImage first = form.ImageJeu->grab().toImage();
    const QColor gap = form.palette().color(QPalette::Window);
    EXPECT_EQ(first.pixelColor(corner(1, 2) + QPoint(-5, 20)), gap);
    // The crosshatch backs take their colours from the table, so they differ from one another.
    EXPECT_NE(first.copy(QRect(corner(4, 1), QSize(W, H))),
              first.copy(QRect(corner(4, 3), QSize(W, H))));

    // Asked again while open, it is not laid out or painted anew; after a close it is.
    form.setCardSize(30, 40);
    form.showChooser();
    EXPECT_EQ(form.ImageJeu->width(), 4 * W + 50);
    form.close();
    form.showChooser();
    EXPECT_EQ(form.ImageJeu->geometry(), QRect(10, 10, 4 * 30 + 50, 4 * 40 + 30));
}

TEST_F(BackChooserTest, KeysChooseAsAReleaseDoesAndEscapeClosesWithoutChoosing) {
    auto key = [&](Qt::Key k) {
        QTest::keyClick(form.ImageJeu, k);
    };
    struct Walk {
        int row;
        int col;
        Qt::Key choose;
    };
    for (const Walk& walk : {Walk{2, 3, Qt::Key_Return}, Walk{4, 4, Qt::Key_Space},
                             Walk{4, 1, Qt::Key_Enter}, Walk{1, 1, Qt::Key_Return}}) {
        CardBackChoice released = back;
        form.showChooser();
        // The arrows stop at the edges: far enough up and left always reaches (1, 1).
        for (int i = 0; i < 4; ++i) {
            key(Qt::Key_Up);
            key(Qt::Key_Left);
        }
        for (int i = 1; i < walk.row; ++i)
            key(Qt::Key_Down);
        for (int i = 1; i < walk.col; ++i)
            key(Qt::Key_Right);
        key(walk.choose);
        TFormDos mouse(released);
        mouse.setCardSize(W, H);
        mouse.showChooser();
        QTest::mousePress(mouse.ImageJeu, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(mouse.ImageJeu, Qt::LeftButton, {},
                            corner(walk.row, walk.col) + QPoint(W / 2, H / 2));
        EXPECT_EQ(std::tuple(back.Back, back.BackColor, back.ColorIndex),
                  std::tuple(released.Back, released.BackColor, released.ColorIndex))
            << walk.row << "," << walk.col;
        EXPECT_FALSE(form.isVisible());
    }

    back.choosePicture(3);
    form.showChooser();
    key(Qt::Key_Right);
    key(Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(back.Back, 56);
    EXPECT_FALSE(back.RandomBack);
}

TEST_F(BackChooserTest, TabReachesTheRandomButton) {
    form.showChooser();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.ImageJeu);
    QTest::keyClick(form.ImageJeu, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.ButtonRandom);
}

TEST_F(BackChooserTest, BacksAreNamedCellsInBothLanguages) {
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(form.ImageJeu);
    ASSERT_EQ(grid->childCount(), 16);
    auto name = [&](int choice) {
        return grid->child(choice - 1)->text(QAccessible::Name);
    };
    EXPECT_EQ(grid->child(5)->role(), QAccessible::ListItem);
    EXPECT_EQ(name(13), "hachures, bordeaux");
    form.applyLanguage(1);
    EXPECT_EQ(grid->text(QAccessible::Name), "card backs");
    EXPECT_EQ(name(6), "sun");
    EXPECT_EQ(name(16), "crosshatch, sky blue");
}

// A list, so that a screen reader says the one back under the frame at each move, not a row; the
// window a dialog; Return on the focused button presses it.
TEST_F(BackChooserTest, ReadsAsAListInADialogAndReturnPressesTheButton) {
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(form.ImageJeu);
    EXPECT_EQ(grid->role(), QAccessible::List);
    EXPECT_EQ(grid->tableInterface(), nullptr);
    EXPECT_EQ(grid->child(0)->tableCellInterface(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Dialog);

    form.showChooser();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.ButtonRandom->setFocus();
    QTest::keyClick(form.ButtonRandom, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_TRUE(back.RandomBack);
}
