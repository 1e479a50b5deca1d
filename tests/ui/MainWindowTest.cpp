#include "TableFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

const QColor Yellow(255, 255, 0);
const QColor Green(0, 128, 0);

TEST_F(TableTest, LaysOutTheControlsForCardsOf71By96) {
    if (geometry.cardWidth() != 71 || geometry.cardHeight() != 96)
        GTEST_SKIP() << "the cards are not 71 x 96";
    EXPECT_EQ(form.size(), QSize(678, 625));
    EXPECT_EQ(talon()->geometry(), QRect(10, 10, 71, 96));
    EXPECT_EQ(jeu()->geometry(), QRect(10, 126, 658, 414));
    EXPECT_EQ(control<QLabel>("LabelCartes")->geometry(), QRect(0, 540, 627, 19));
    EXPECT_EQ(info()->geometry(), QRect(176, 64, 401, 49));
    EXPECT_EQ(dealButton()->geometry(), QRect(352, 8, 37, 40));
    // Controls are placed in the area under the menu bar.
    EXPECT_EQ(form.centralWidget()->geometry().top(), form.menuBar()->geometry().bottom() + 1);
}

TEST_F(TableTest, StartsWithEmptyCellsABlankTalonAndTheInvitationToDeal) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("VESTORINE"));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_EQ(status(), message(vestorine::MsgInviteDeal));
    EXPECT_EQ(statusColour(), Yellow);

    EXPECT_FALSE(control<QLabel>("LabelCartes")->isVisible());

    EXPECT_FALSE(blink()->isActive());
    EXPECT_FALSE(dealButton()->icon().isNull());

    for (int row = 1; row <= vestorine::RowCount; ++row)
        for (int col = 1; col <= vestorine::ColumnCount; ++col)
            EXPECT_TRUE(showsPlaceholder(row, col)) << row << "," << col;
    EXPECT_TRUE(talon()->isVisible());
    const QImage blank = talon()->picture().toImage();
    EXPECT_EQ(QColor(blank.pixel(0, 0)), Green);
    EXPECT_EQ(QColor(blank.pixel(blank.width() / 2, blank.height() / 2)), Green);
}

TEST_F(TableTest, LanguageItemsFormARadioGroupAndTheLotteryItemIsHidden) {
    EXPECT_TRUE(control<QAction>("MenuFrancais")->isChecked());
    control<QAction>("MenuEnglish")->trigger();
    EXPECT_FALSE(control<QAction>("MenuFrancais")->isChecked());

    // The lottery item is in no menu; its shortcut still works (next test).
    auto* loto = control<QAction>("Menuloto");
    EXPECT_TRUE(form.actions().contains(loto));
    for (QMenu* menu : form.menuBar()->findChildren<QMenu*>())
        EXPECT_FALSE(menu->actions().contains(loto));
    EXPECT_FALSE(form.menuBar()->actions().contains(loto));
}

TEST_F(TableTest, ShortcutAsksForTheLotteryWindow) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(loto.isVisible());
}

TEST_F(TableTest, DealPaintsThirtyTwoBacksAndInvitesToTurnUpACard) {
    deal(layouts::allHome());
    EXPECT_EQ(status(), message(vestorine::MsgInvitePick));
    EXPECT_EQ(statusPoints(), 14);
    EXPECT_EQ(statusColour(), Yellow);
    EXPECT_TRUE(control<QLabel>("LabelCartes")->isVisible());
    EXPECT_FALSE(talon()->isVisible());
    EXPECT_EQ(talon()->pos(), geometry.talonHome().topLeft());
    EXPECT_FALSE(blink()->isActive());
    for (int row = 1; row <= vestorine::RowCount; ++row)
        for (int col = 1; col <= vestorine::ColumnCount; ++col)
            EXPECT_TRUE(showsBack(row, col)) << row << "," << col;
}

TEST_F(TableTest, DealInTheMiddleOfAGameStartsAgain) {
    deal(layouts::fullChain());
    clickCell(1, 1);
    dropOnCell(1, 2);
    ASSERT_TRUE(showsFace(1, 2, layouts::fullChain()[layouts::at(1, 1)]));

    deal(layouts::allHome());
    EXPECT_FALSE(talon()->isVisible());
    EXPECT_EQ(status(), message(vestorine::MsgInvitePick));
    EXPECT_TRUE(showsBack(1, 1));
    EXPECT_TRUE(showsBack(1, 2));
}

TEST_F(TableTest, DealDuringTheBlinkStopsItAndShowsTheInvitationSteadily) {
    deal(layouts::allHome());
    clickCell(1, 1);
    dropOnCell(1, 1); // the first card is at home: the chain closes at once
    ASSERT_TRUE(blink()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }));

    deal(layouts::allHome());
    EXPECT_FALSE(blink()->isActive());
    EXPECT_EQ(status(), message(vestorine::MsgInvitePick));
    EXPECT_EQ(statusPoints(), 14);
}

TEST_F(TableTest, BlinkAlternatesTheStatusWithTheBlank) {
    deal(layouts::allHome());
    clickCell(1, 1);
    dropOnCell(1, 1);
    EXPECT_EQ(status(), message(vestorine::MsgInviteReveal));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status() == message(vestorine::MsgInviteReveal); }));
}

// Quit and the close button both leave the event loop.
TEST_F(TableTest, QuitAndCloseEndTheEventLoop) {
    QTimer::singleShot(0, control<QAction>("Menuquitter"), &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);

    TForm1 other(game, back);
    other.session().setSettingsFolder(settingsDir.path());
    other.show();
    QTimer::singleShot(0, &other, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
