#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ScriptedRandom.h"
#include "UnitLoto.h"

namespace {

class LotoTest : public testing::Test {
protected:
    LotoTest()
        : form(random) {}

    // Holds slot k's button for the given number of ticks, then lets it go.
    void hold(int k, int ticks, Qt::MouseButton button = Qt::LeftButton) {
        QPushButton* b = form.Buttons[k - 1];
        QTest::mousePress(b, button);
        EXPECT_TRUE(form.TimerLoto->isActive());
        EXPECT_EQ(form.LotoSlot(), k);
        for (int i = 0; i < ticks; ++i)
            form.TimerLotoTimer();
        QTest::mouseRelease(b, button);
        EXPECT_FALSE(form.TimerLoto->isActive());
    }

    QString box(int k) const { return form.Edits[k - 1]->text(); }

    std::vector<bool> enabled() const {
        std::vector<bool> states;
        for (QPushButton* b : form.Buttons)
            states.push_back(b->isEnabled());
        return states;
    }

    ScriptedRandom random;
    TFormLoto form;
};

} // namespace

TEST_F(LotoTest, FreshGridAtEachShowing) {
    form.showLoto();
    EXPECT_EQ(enabled(), std::vector<bool>({true, false, false, false, false, false, false}));
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(box(k), "00");
        EXPECT_EQ(form.LotoNumbers(k), 0);
    }
    EXPECT_EQ(form.TimerLoto->interval(), 50);
    EXPECT_EQ(form.Buttons[6]->text(), "C");
    EXPECT_EQ(form.Buttons[5]->geometry(), QRect(216, 72, 33, 25));
    EXPECT_EQ(form.Edits[6]->geometry(), QRect(312, 32, 33, 32));
}

// The draw itself is the core's; here the box shows what it drew and the buttons move on.
TEST_F(LotoTest, EachTickShowsTheDrawInItsBox) {
    form.showLoto();
    for (int k = 1; k <= 2; ++k) {
        random.append(k == 1 ? 5 : 49);
        random.append(5);
        hold(k, 2);
    }
    EXPECT_EQ(form.LotoNumbers(1), 5);
    EXPECT_EQ(box(1), "5");
    EXPECT_EQ(form.LotoNumbers(2), 6);
    EXPECT_EQ(box(2), "6");
    EXPECT_EQ(enabled(), std::vector<bool>({false, false, true, false, false, false, false}));
    EXPECT_EQ(random.seeds, 4);
}

TEST_F(LotoTest, ShortPressLeavesTheSlotEmptyAndMovesOn) {
    form.showLoto();
    hold(1, 0);
    EXPECT_EQ(form.LotoNumbers(1), 0);
    EXPECT_EQ(box(1), "00");
    EXPECT_EQ(enabled(), std::vector<bool>({false, true, false, false, false, false, false}));
    random.append(17);
    hold(2, 1, Qt::RightButton); // any mouse button draws
    EXPECT_EQ(form.LotoNumbers(2), 17);
    EXPECT_EQ(enabled(), std::vector<bool>({false, false, true, false, false, false, false}));
}

TEST_F(LotoTest, ReopeningResetsButAskingWhileVisibleOnlyRaises) {
    form.showLoto();
    random.append(8);
    hold(1, 1);
    form.showLoto();
    EXPECT_EQ(form.LotoNumbers(1), 8);
    EXPECT_EQ(box(1), "8");
    EXPECT_TRUE(form.Buttons[1]->isEnabled());

    form.hide();
    form.showLoto();
    EXPECT_EQ(form.LotoNumbers(1), 0);
    EXPECT_EQ(box(1), "00");
    EXPECT_EQ(enabled(), std::vector<bool>({true, false, false, false, false, false, false}));
}

TEST_F(LotoTest, KeyboardOnASlotButtonDrawsNothing) {
    form.showLoto();
    form.Buttons[0]->setFocus();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(form.Buttons[0], key);
        EXPECT_FALSE(form.TimerLoto->isActive());
        EXPECT_EQ(form.LotoNumbers(1), 0);
        EXPECT_EQ(enabled(), std::vector<bool>({true, false, false, false, false, false, false}));
    }
}

TEST_F(LotoTest, TypingInABoxChangesOnlyTheText) {
    form.showLoto();
    QTest::keyClicks(form.Edits[0], "12");
    EXPECT_EQ(form.LotoNumbers(1), 0);
    random.append(30);
    hold(1, 1);
    EXPECT_EQ(box(1), "30");
}

TEST_F(LotoTest, LanguageSwitchRewritesCaptionAndInvitation) {
    EXPECT_EQ(form.windowTitle(), "Bonne Chance");
    EXPECT_EQ(form.Label1->text(),
              "C'est votre jour de chance ! Imaginons une grille de loto ....");
    form.applyLanguage(1);
    EXPECT_EQ(form.windowTitle(), "Good Luck !");
    EXPECT_EQ(form.Label1->text(), "You are lucky today ! Let's imagine a loto serial ...");
    form.applyLanguage(2);
    EXPECT_EQ(form.windowTitle(), "Bonne Chance !");
    EXPECT_EQ(form.Label1->text(), "C'est votre jour de chance ! Imaginons une grille de loto ...");
    EXPECT_EQ(form.Buttons[0]->text(), "B1");
}

TEST_F(LotoTest, BoxesAndButtonsAreNamedInBothLanguages) {
    form.applyLanguage(1);
    EXPECT_EQ(form.Edits[5]->accessibleName(), "number 6");
    EXPECT_EQ(form.Edits[6]->accessibleName(), "complementary number");
    form.applyLanguage(2);
    EXPECT_EQ(form.Edits[0]->accessibleName(), "numéro 1");
    EXPECT_EQ(form.Buttons[6]->accessibleName(), "tirer le numéro complémentaire");
}

// On opening the focus rests on the dialog itself, which a screen reader reads with its
// invitation, once; Escape closes, and the slot buttons still draw nothing from the keyboard.
TEST_F(LotoTest, ADialogThatReadsItsInvitationAndClosesWithEscape) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    EXPECT_EQ(window->role(), QAccessible::Dialog);
    form.applyLanguage(1);
    EXPECT_EQ(window->text(QAccessible::Description), QString());
    form.showLoto();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), &form);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        form.Buttons[0]->setFocus();
        QTest::keyClick(form.Buttons[0], key);
        EXPECT_EQ(box(1), "00");
        EXPECT_TRUE(form.Buttons[0]->isEnabled());
    }
    QTest::keyClick(form.Buttons[0], Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}
