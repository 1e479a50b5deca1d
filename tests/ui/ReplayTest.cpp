#include "TableFixture.h"

#include "DealShuffle.h"
#include "SeededRandom.h"
#include "SettingsFile.h"
#include "StatisticsKeeper.h"
#include "UnitDeal.h"
#include "ViewFile.h"

#include <QAccessible>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace {

std::array<int, vestorine::CellCount> tableOf(const vestorine::GameState& game) {
    std::array<int, vestorine::CellCount> cards{};
    for (int i = 0; i < vestorine::CellCount; ++i)
        cards[i] = game.Tableau(i / vestorine::ColumnCount + 1, i % vestorine::ColumnCount + 1);
    return cards;
}

// The real windows over the real shuffle: a deal number gives its own cards.
class ReplayTest : public ::testing::Test {
protected:
    ReplayTest() {
        back.chooseCrosshatch(2);
        form.setDealDelay(0);
        form.session().setSettingsFolder(settingsDir.path());
        form.session().setDataFolder(settingsDir.path());
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QAction* action(const char* name) {
        return form.findChild<QAction*>(QString::fromLatin1(name));
    }
    // The number is selected once the window has the focus.
    TFormDeal* chooseDeal() {
        action("MenuChooseDeal")->trigger();
        auto* dialog = form.findChild<TFormDeal*>();
        if (dialog && QTest::qWaitForWindowActive(dialog)) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents();
        }
        return dialog;
    }

    QTemporaryDir settingsDir;
    SeededRandom random{7};
    vestorine::CardBackChoice back;
    vestorine::GameState game{back, random};
    ProgramWindows windows{game, back, random};
    TForm1& form = windows.form1;
};

TEST_F(ReplayTest, ReplayDealsTheSameCardsAndNamesTheNumber) {
    QAction* replay = action("MenuReplay");
    EXPECT_FALSE(replay->isEnabled());
    action("MenuDeal32")->trigger();
    const int number = game.DealNumber();
    const auto first = tableOf(game);
    EXPECT_EQ(first, vestorine::dealDeck(number));
    EXPECT_EQ(replay->text(), QStringLiteral("Rejouer cette donne (n° %1)").arg(number));
    auto* grid = form.findChild<QWidget*>(QStringLiteral("ImageJeu"));
    EXPECT_EQ(grid->accessibleDescription(), QStringLiteral("donne %1").arg(number));

    ASSERT_TRUE(game.Pick(1, 1)); // a game under way: the replay starts it again
    replay->trigger();
    EXPECT_EQ(game.DealNumber(), number);
    EXPECT_EQ(tableOf(game), first);
    EXPECT_EQ(game.phase(), vestorine::GamePhase::AwaitingFirstCard);

    action("MenuEnglish")->trigger();
    EXPECT_EQ(replay->text(), QStringLiteral("Replay this deal (no. %1)").arg(number));
    EXPECT_EQ(grid->accessibleDescription(), QStringLiteral("deal %1").arg(number));
}

TEST_F(ReplayTest, ChooseADealOffersTheCurrentNumberAndRefusesBadEntries) {
    action("MenuDeal32")->trigger();
    const int number = game.DealNumber();
    TFormDeal* dialog = chooseDeal();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->EditNumber->text(), QString::number(number));
    EXPECT_EQ(dialog->EditNumber->selectedText(), QString::number(number));

    for (const char* typed : {"", "deal", "0", "1000000000", "-3", "12 34"}) {
        dialog->EditNumber->setText(QString::fromLatin1(typed));
        dialog->ButtonOk->click();
        EXPECT_TRUE(dialog->isVisible()) << typed;
        EXPECT_TRUE(dialog->LabelError->isVisibleTo(dialog)) << typed;
        EXPECT_EQ(game.DealNumber(), number) << typed;
    }
    dialog->EditNumber->setText(QStringLiteral(" 123456789 "));
    dialog->ButtonOk->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(game.DealNumber(), 123456789);
    EXPECT_EQ(tableOf(game), vestorine::dealDeck(123456789));

    chooseDeal();
    EXPECT_FALSE(dialog->LabelError->isVisibleTo(dialog)); // the old word is gone
    QTest::keyClick(dialog->EditNumber, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(game.DealNumber(), 123456789);
}

// A replayed deal counts as a game of its own: the one it interrupts is abandoned.
TEST_F(ReplayTest, ReplayingKeepsTheStatisticsExact) {
    StatisticsKeeper& keeper = form.session().statistics();
    action("MenuDeal32")->trigger();
    const TableGeometry geometry{cardWidth(), cardHeight()};
    QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("ImageJeu")), Qt::LeftButton, {},
                      geometry.cellRect(1, 1).center()); // the game starts
    action("MenuReplay")->trigger();                     // abandons it
    action("MenuReplay")->trigger();                     // nothing was played yet: nothing counted
    vestorine::Statistics expected;
    expected.played = 1;
    expected.abandoned = 1;
    EXPECT_EQ(keeper.counts(), expected);
}

class FourColourTest : public TableTest {
protected:
    ~FourColourTest() override { cards::setFourColourSuits(false); }
    QAction* fourColour() { return control<QAction>("MenuFourColour"); }
};

TEST_F(FourColourTest, TheItemRepaintsEveryFaceAndIsKeptInViewIni) {
    EXPECT_FALSE(fourColour()->isChecked());
    deal(layouts::allHome());
    clickCell(1, 1);                             // picked: the talon, face up
    const int talonCard = layouts::allHome()[0]; // a club: green with four colours
    dropOnCell(1, 1);                            // home: the chain closes
    clickCell(1, 2);                             // revealed
    const QImage before = cellImage(1, 1);

    fourColour()->trigger();
    EXPECT_TRUE(cards::fourColourSuits());
    EXPECT_NE(cellImage(1, 1), before);
    EXPECT_TRUE(showsFace(1, 1, talonCard));
    EXPECT_TRUE(showsFace(1, 2, layouts::allHome()[1]));
    EXPECT_TRUE(showsBack(1, 3));
    EXPECT_TRUE(viewfile::load(settingsDir.path()).view.fourColour);

    fourColour()->trigger();
    EXPECT_FALSE(cards::fourColourSuits());
    EXPECT_TRUE(showsFace(1, 1, talonCard));
    EXPECT_FALSE(viewfile::load(settingsDir.path()).view.fourColour);
}

TEST(FourColourAtStart, TheChoiceIsReadBeforeTheFirstPaint) {
    const QString folder = settingsfile::folder();
    QDir().mkpath(folder);
    ASSERT_TRUE(viewfile::save(folder, viewfile::View{true, 150}).ok());
    {
        SeededRandom random{1};
        vestorine::CardBackChoice back;
        vestorine::GameState game{back, random};
        ProgramWindows windows{game, back, random};
        auto* item = windows.form1.findChild<QAction*>(QStringLiteral("MenuFourColour"));
        EXPECT_TRUE(item->isChecked());
        EXPECT_TRUE(cards::fourColourSuits());
        windows.form1.session().setSettingsFolder(folder);
        item->trigger(); // the table size written by another choice stays as it was
        EXPECT_EQ(viewfile::load(folder).view, (viewfile::View{false, 150}));
    }
    cards::setFourColourSuits(false);
    QFile::remove(viewfile::filePath(folder));
}

// Whether a box had its text selected when the focus reached it: a screen reader told of the
// selection before the focus reads the number twice.
class FocusWatch : public QObject {
public:
    std::vector<bool> selectedAtFocus;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && event->type() == QEvent::FocusIn)
            selectedAtFocus.push_back(box->hasSelectedText());
        return false;
    }
};

// Read once, whole and selected: the selection comes after the focus, and the text is one run
// of attributes (joining one run per character, a reader stopped a digit short).
TEST_F(ReplayTest, TheDealNumberIsReadOnceWholeAndSelected) {
    action("MenuDeal32")->trigger();
    const QString number = QString::number(game.DealNumber());
    FocusWatch watch;
    qApp->installEventFilter(&watch);
    TFormDeal* dialog = chooseDeal();
    qApp->removeEventFilter(&watch);
    EXPECT_EQ(watch.selectedAtFocus, std::vector<bool>(watch.selectedAtFocus.size(), false));
    ASSERT_FALSE(watch.selectedAtFocus.empty());
    EXPECT_EQ(dialog->EditNumber->selectedText(), number);
    int start = -1;
    int end = -1;
    QAccessible::queryAccessibleInterface(dialog->EditNumber)
        ->textInterface()
        ->attributes(int(number.size()) - 1, &start, &end);
    EXPECT_EQ(dialog->EditNumber->text().mid(start, end - start), number);
}

} // namespace
