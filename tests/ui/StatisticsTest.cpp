#include "TableFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <memory>

#include "GameFile.h"
#include "StatisticsFile.h"
#include "StatisticsKeeper.h"
#include "StatisticsPrint.h"
#include "UnitStats.h"
#include "common/ErrorBox.h"

using vestorine::Statistics;

namespace {

// The real main window with the statistics window, counting into a folder of the test's own;
// the error boxes and the confirmation are caught instead of shown.
class StatsTest : public TableTest {
protected:
    StatsTest() {
        form.session().setDataFolder(folder());
        stats.setConfirm([this](const QString& question) {
            questions.push_back(question);
            return confirm;
        });
        errorbox::setBox(
            [this](QWidget*, const QString&, const QString& text) { boxes.push_back(text); });
    }
    ~StatsTest() override { errorbox::setBox({}); }

    QString folder() const { return statsDir.filePath(QStringLiteral("vestorine")); }
    QString file() const { return statisticsfile::filePath(folder()); }
    Statistics onDisk() {
        const statisticsfile::LoadResult read = statisticsfile::load(folder());
        EXPECT_EQ(read.status, statisticsfile::LoadStatus::Loaded);
        return read.counts;
    }

    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(folder());
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray readFile(const QString& path) {
        QFile in(path);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
        return in.readAll();
    }
    void start(const Layout& layout) {
        deal(layout);
        clickCell(1, 1);
    }
    void winByChain() {
        start(layouts::fullChain());
        for (int i = 1; i < vestorine::CellCount; ++i)
            dropOnCell(layouts::cell(i).first, layouts::cell(i).second);
        dropOnCell(1, 1);
    }
    // The first card goes straight home and closes the chain; then every cell is revealed.
    void revealAll(bool losing) {
        start(losing ? layouts::losing() : layouts::allHome());
        dropOnCell(1, 1);
        for (int i = 0; i < vestorine::CellCount; ++i)
            clickCell(layouts::cell(i).first, layouts::cell(i).second);
    }

    QTemporaryDir statsDir;
    std::vector<QString> boxes;
    std::vector<QString> questions;
    bool confirm = false;
};

TEST_F(StatsTest, EveryEndIsCountedAndWrittenAtOnce) {
    struct Step {
        const char* what;
        std::function<void()> play;
        Statistics expected; // played, by chain, at reveal, lost, abandoned, streak, best
    };
    const Step steps[] = {
        {"won by the chain", [this] { winByChain(); }, {1, 1, 0, 0, 0, 1, 1}},
        {"won at the reveal", [this] { revealAll(false); }, {2, 1, 1, 0, 0, 2, 2}},
        {"lost, revealed on", [this] { revealAll(true); }, {3, 1, 1, 1, 0, 0, 2}},
        {"first card up", [this] { start(layouts::allHome()); }, {4, 1, 1, 1, 0, 0, 2}},
        {"abandoned by a deal", [this] { deal(layouts::allHome()); }, {4, 1, 1, 1, 1, 0, 2}},
        {"no card turned up", [this] { deal(layouts::allHome()); }, {4, 1, 1, 1, 1, 0, 2}},
        {"won again", [this] { winByChain(); }, {5, 2, 1, 1, 1, 1, 2}},
    };
    for (const Step& step : steps) {
        step.play();
        // On disk already: a crash now loses nothing.
        EXPECT_EQ(onDisk(), step.expected) << step.what;
        EXPECT_EQ(form.session().statistics().counts(), step.expected) << step.what;
    }
    EXPECT_TRUE(boxes.empty());
}

// Quit and the close button abandon nothing: the game stays on disk, unfinished, to be resumed.
TEST_F(StatsTest, QuitAndCloseKeepTheGameUnfinished) {
    for (const bool picked : {true, false}) {
        for (const char* path : {"Quit", "close"}) {
            QDir(folder()).removeRecursively();
            auto other = std::make_unique<TForm1>(game, back);
            other->session().setSettingsFolder(settingsDir.path());
            other->session().setDataFolder(folder());
            other->setDealDelay(0);
            other->show();
            QTest::mouseClick(other->findChild<QToolButton*>("SpeedButtonDeal"), Qt::LeftButton);
            if (picked)
                QTest::mouseClick(other->findChild<CardImage*>("ImageJeu"), Qt::LeftButton, {},
                                  geometry.cellRect(1, 1).center());
            if (std::string_view(path) == "Quit")
                QTimer::singleShot(0, other->findChild<QAction*>("Menuquitter"), &QAction::trigger);
            else
                QTimer::singleShot(0, other.get(), &QWidget::close);
            EXPECT_EQ(QApplication::exec(), 0);
            other.reset(); // the program has ended
            if (picked)
                EXPECT_EQ(onDisk(), (Statistics{1, 0, 0, 0, 0, 0, 0})) << path;
            else
                EXPECT_FALSE(QFile::exists(file())) << path;
            EXPECT_TRUE(gamefile::findUnfinished(folder()).found) << path;
        }
    }
}

TEST_F(StatsTest, DamagedFileIsKeptAsideAndCountingRestarts) {
    // Unreadable counts, and a file too long to be ours.
    const QByteArray damaged[] = {"PLAYED=3\nLOST=-1\n", QByteArray(8192, 'x')};
    for (const QByteArray& bytes : damaged) {
        QDir(folder()).removeRecursively();
        writeFile(bytes);
        StatisticsKeeper keeper(&form);
        keeper.setFolder(folder());
        EXPECT_EQ(keeper.counts(), Statistics{});
        EXPECT_EQ(readFile(file() + ".bad"), bytes);
        keeper.gameStarted();
        keeper.lost();
        EXPECT_EQ(onDisk(), (Statistics{1, 0, 0, 1, 0, 0, 0}));
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StatsTest, DamagedFileIsNeverWrittenOverWithoutTheLock) {
    QDir().mkpath(folder() + "/statistics.lock"); // no lock, no write
    writeFile("garbage");
    winByChain();
    EXPECT_EQ(form.session().statistics().counts(), (Statistics{1, 1, 0, 0, 0, 1, 1}));
    EXPECT_EQ(readFile(file()), "garbage");
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(StatsTest, WriteFailureShowsOneBoxNamingTheFileAndTheGameGoesOn) {
    QFile blocker(folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    winByChain();
    revealAll(true);
    start(layouts::allHome());
    // One box for the counts, one for the game in progress, each naming its file.
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].contains(folder())) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[1].contains(file())) << boxes[1].toStdString();
    EXPECT_TRUE(boxes[1].contains("Les compteurs n'ont pas pu être écrits"));
    EXPECT_EQ(form.session().statistics().counts(), (Statistics{3, 1, 0, 1, 0, 0, 1}));
    EXPECT_EQ(status(), message(vestorine::MsgInviteCarry));

    // Once the writes succeed again, the counts kept meanwhile reach the file; a later failure
    // is a new one, told again.
    blocker.remove();
    deal(layouts::allHome());
    EXPECT_EQ(onDisk(), (Statistics{3, 1, 0, 1, 1, 0, 1}));
    QDir(folder()).removeRecursively();
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    winByChain();
    EXPECT_EQ(boxes.size(), 4u) << boxes.back().toStdString();
}

TEST_F(StatsTest, WindowFollowsTheLanguageAndTheGames) {
    // Before any switch: the French texts, and a dash for a rate of no game.
    control<QAction>("MenuStats")->trigger();
    EXPECT_TRUE(stats.isVisible());
    EXPECT_EQ(stats.windowTitle(), "Statistiques");
    EXPECT_EQ(stats.Values[TFormStats::RowWinRate]->text(), "–");

    winByChain();
    revealAll(true);
    start(layouts::allHome());
    // Shown while the games went on: it followed them.
    EXPECT_EQ(stats.Values[TFormStats::RowPlayed]->text(), "3");
    EXPECT_EQ(stats.Values[TFormStats::RowWon]->text(), "1");
    const struct {
        int language;
        const char* menu; // the menu item and the window's title
        const char* played;
        const char* rate; // one game won of three
    } cases[] = {{vestorine::English, "Statistics", "Games played", "33.3%"},
                 {vestorine::French, "Statistiques", "Parties jouées", "33,3 %"}};
    for (const auto& c : cases) {
        switchTo(c.language);
        EXPECT_EQ(control<QAction>("MenuStats")->text(), QString::fromUtf8(c.menu));
        EXPECT_EQ(stats.windowTitle(), QString::fromUtf8(c.menu));
        EXPECT_EQ(stats.Labels[TFormStats::RowPlayed]->text(), QString::fromUtf8(c.played));
        EXPECT_EQ(stats.Values[TFormStats::RowWinRate]->text(), QString::fromUtf8(c.rate));
    }
    control<QAction>("MenuStats")->trigger(); // already shown: only raised
    EXPECT_TRUE(stats.isVisible());
    QTest::keyClick(stats.ButtonReset, Qt::Key_Escape);
    EXPECT_FALSE(stats.isVisible());
}

TEST_F(StatsTest, LargeFiguresAreGroupedAsTheLanguageGroupsThem) {
    writeFile(QByteArray::fromStdString(vestorine::formatStatistics({12345, 0, 0, 0, 0, 0, 0})));
    stats.showStats();
    for (const auto& [language, played] :
         {std::pair(vestorine::English, "12,345"), std::pair(vestorine::French, "12\u202f345")}) {
        switchTo(language);
        EXPECT_EQ(stats.Values[TFormStats::RowPlayed]->text(), QString::fromUtf8(played));
    }
}

TEST_F(StatsTest, ResetAsksFirstThenZeroesAndWrites) {
    winByChain();
    stats.showStats();
    confirm = false;
    stats.ButtonReset->click();
    EXPECT_EQ(onDisk().played, 1);
    confirm = true;
    stats.ButtonReset->click();
    EXPECT_EQ(onDisk(), Statistics{});
    EXPECT_EQ(stats.Values[TFormStats::RowPlayed]->text(), "0");
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], "Remettre tous les compteurs à zéro ?");
}

// A dialog that opens on its first figure, each figure named with what it counts, in both
// languages; Tab walks the figures before the buttons, and Return presses the focused button.
TEST_F(StatsTest, FiguresAreReadFirstAndReturnPressesTheFocusedButton) {
    winByChain();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&stats)->role(), QAccessible::Dialog);
    stats.showStats();
    QApplication::setActiveWindow(&stats);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&stats));
    EXPECT_EQ(stats.focusWidget(), stats.Values[TFormStats::RowPlayed]);
    const struct {
        int language;
        const char* played;
        const char* byChain;
    } cases[] = {{vestorine::French, "Parties jouées : 1", "par la chaîne seule : 1"},
                 {vestorine::English, "Games played: 1", "by the chain alone: 1"}};
    for (const auto& c : cases) {
        switchTo(c.language);
        EXPECT_EQ(stats.Values[TFormStats::RowPlayed]->accessibleName(),
                  QString::fromUtf8(c.played));
        EXPECT_EQ(stats.Values[TFormStats::RowWonByChain]->accessibleName(),
                  QString::fromUtf8(c.byChain));
    }
    for (int row = 1; row < TFormStats::RowCount; ++row) {
        QTest::keyClick(stats.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(stats.focusWidget(), stats.Values[row]) << row;
    }
    QTest::keyClick(stats.focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(stats.focusWidget(), stats.ButtonReset);
    confirm = false;
    QTest::keyClick(stats.ButtonReset, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return questions.size() == 1; }));
    stats.ButtonClose->setFocus();
    QTest::keyClick(stats.ButtonClose, Qt::Key_Enter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !stats.isVisible(); }));
}

} // namespace
