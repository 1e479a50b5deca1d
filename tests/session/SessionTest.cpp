#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "CardBack.h"
#include "GameEvents.h"
#include "GameFile.h"
#include "GameSession.h"
#include "ScriptedRandom.h"
#include "SettingsFile.h"
#include "StatisticsFile.h"
#include "StatisticsKeeper.h"
#include "StatisticsPrint.h"
#include "ViewFile.h"

using vestorine::Statistics;
using Kind = FileProblem::Kind;
using Layout = std::array<int, vestorine::CellCount>;

namespace {

// One running copy of the program, without its window. Destroyed without quit(), it is a copy
// killed: its game stays on disk and its locks are released.
struct Copy {
    Copy(const QString& data, const QString& settings) {
        back.chooseCrosshatch(2);
        session.setSettingsFolder(settings);
        session.setDataFolder(data);
        QObject::connect(&session, &GameSession::problem,
                         [this](const FileProblem& problem) { problems.push_back(problem); });
        QObject::connect(&session, &GameSession::resumable,
                         [this](bool available) { resumable = available; });
        session.start();
    }
    void deal(const Layout& layout) {
        random.scriptDeal(layout);
        session.beginDeal();
        session.endDeal();
    }
    bool told(Kind kind) const {
        return std::any_of(problems.begin(), problems.end(),
                           [kind](const FileProblem& p) { return p.kind == kind; });
    }

    vestorine::CardBackChoice back;
    ScriptedRandom random;
    vestorine::GameState game{back, random};
    GameSession session{game, back};
    std::vector<FileProblem> problems;
    bool resumable = false;
};

class SessionTest : public ::testing::Test {
protected:
    QString data() const { return dataDir.filePath(QStringLiteral("vestorine")); }
    std::unique_ptr<Copy> open() { return std::make_unique<Copy>(data(), settingsDir.path()); }
    Statistics onDisk() const { return statisticsfile::load(data()).counts; }
    QStringList gameFiles() const {
        return QDir(data()).entryList({QStringLiteral("game-*.ini")}, QDir::Files);
    }

    // Every game counted is won, lost, abandoned, or still unfinished on disk.
    ::testing::AssertionResult countsAddUp() const {
        const Statistics counts = onDisk();
        int unfinished = 0;
        for (const QString& name : gameFiles()) {
            QFile file(QDir(data()).filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                return ::testing::AssertionFailure() << "unreadable " << name.toStdString();
            const std::string text = file.readAll().toStdString();
            const auto record = vestorine::parseGameRecord(text);
            if (record ? vestorine::replacedGameEvent(*record).has_value()
                       : vestorine::mayHaveStarted(text))
                ++unfinished;
        }
        if (counts.played == counts.won() + counts.lost + counts.abandoned + unfinished)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << vestorine::formatStatistics(counts) << "with " << unfinished << " unfinished";
    }

    QTemporaryDir dataDir;
    QTemporaryDir settingsDir;
};

// Three copies play, die, resume and replace each other's games; a damaged game is set aside.
// After every step the counts add up, and at the end they are exact.
TEST_F(SessionTest, CountsAddUpAfterEveryStep) {
    const auto step = [this](const char* what) {
        EXPECT_TRUE(countsAddUp()) << what;
    };
    const auto closeChain = [](Copy& copy, const Layout& layout, int row, int col) {
        copy.deal(layout);
        copy.session.pick(row, col);
        copy.session.place(row, col);
    };
    auto a = open();
    closeChain(*a, layouts::allHome(), 2, 3);
    step("A starts a game");
    auto b = open();
    b->deal(layouts::fullChain());
    b->session.pick(1, 1);
    step("B starts a game");
    a.reset();
    step("A is killed");
    const auto c = open();
    EXPECT_TRUE(c->session.resume());
    step("C resumes A's game");
    for (int col = 1; col <= vestorine::ColumnCount; ++col)
        for (int row = 1; row <= vestorine::RowCount; ++row)
            c->session.reveal(row, col);
    step("C wins it");
    b->session.quit();
    b.reset();
    step("B quits");
    a = open();
    a->deal(layouts::allHome());
    a->session.pick(1, 1);
    step("A replaces B's game and starts");
    a.reset();
    QFile damaged(QDir(data()).filePath(gameFiles().value(0)));
    ASSERT_TRUE(damaged.open(QIODevice::Append));
    damaged.write("ROW1=garbage\n");
    damaged.close();
    step("A is killed, its game damaged");
    b = open();
    EXPECT_TRUE(b->told(Kind::GamesSetAside));
    step("B sets it aside");
    closeChain(*b, layouts::losing(), 1, 1);
    b->session.reveal(2, 1);
    b->session.reveal(2, 2);
    step("B loses");
    // A's first game won by C; B's abandoned by the deal over it; the damaged one abandoned; B's
    // last one lost.
    EXPECT_EQ(onDisk(), (Statistics{4, 0, 1, 1, 2, 0, 1}));
    EXPECT_TRUE(gameFiles().isEmpty());
    b->session.lookForLeftGame();
    EXPECT_EQ(onDisk().abandoned, 2) << "set aside and counted once";
}

// Counts that could not be written wait for the next write that succeeds, Quit included; those
// still owed at the end are said, with how many games they are.
TEST_F(SessionTest, CountsThatCannotBeWrittenWaitAndAreToldAtQuit) {
    const struct {
        const char* what;
        bool freedBeforeQuit;
        Statistics end;
    } cases[] = {
        {"space freed before Quit", true, {3, 0, 0, 0, 2, 0, 0}},
        {"still full at Quit", false, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        QDir(data()).removeRecursively();
        const auto copy = open();
        // The temporary file cannot be made: every write of the counts fails.
        ASSERT_TRUE(QDir().mkpath(QDir(data()).filePath(statisticsfile::TempName)));
        for (int game = 0; game < 3; ++game) { // each new deal abandons the one before
            copy->deal(layouts::allHome());
            copy->session.pick(1, 1);
        }
        if (c.freedBeforeQuit)
            QDir(QDir(data()).filePath(statisticsfile::TempName)).removeRecursively();
        copy->session.quit();
        EXPECT_EQ(onDisk(), c.end) << c.what;
        EXPECT_EQ(copy->told(Kind::GamesUncounted), !c.freedBeforeQuit) << c.what;
        EXPECT_EQ(copy->problems.back().count, c.freedBeforeQuit ? 0 : 3) << c.what;
        EXPECT_EQ(copy->problems.front().kind, Kind::StatisticsNotWritten) << c.what;
    }
}

// Each kind of damage is set aside or said once, in words the window can give; the locks of
// copies gone do not pile up.
TEST_F(SessionTest, DamageIsSaidOnceAndDeadLocksGo) {
    QDir folder(data());
    ASSERT_TRUE(folder.mkpath(QStringLiteral("game-1-2-3.ini")));
    for (int killed = 0; killed < 40; ++killed) {
        QFile lock(folder.filePath(QStringLiteral("game-9-%1-0.lock").arg(killed)));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    }
    const auto live = open();
    live->deal(layouts::allHome());
    EXPECT_TRUE(live->told(Kind::FoldersSetAside));
    live->problems.clear();
    const auto other = open();
    other->session.lookForLeftGame();
    EXPECT_TRUE(other->problems.empty()) << "said once";
    EXPECT_EQ(folder.entryList({QStringLiteral("game-*.lock")}, QDir::Files).size(), 1)
        << "only the live copy's lock";
}

// A left game is abandoned once, by the deal that replaces it; a running copy's game is never
// offered to another.
TEST_F(SessionTest, NewDealOverALeftGameCountsItAbandonedOnce) {
    {
        const auto first = open();
        first->deal(layouts::allHome());
        first->session.pick(2, 3);
        const auto other = open();
        EXPECT_FALSE(other->resumable) << "held by a running copy";
    }
    EXPECT_EQ(onDisk(), (Statistics{1, 0, 0, 0, 0, 0, 0})) << "closing abandons nothing";
    {
        const auto second = open();
        EXPECT_TRUE(second->resumable);
        second->deal(layouts::allHome());
        EXPECT_EQ(onDisk(), (Statistics{1, 0, 0, 0, 1, 0, 0}));
        EXPECT_FALSE(second->resumable);
        second->deal(layouts::allHome());
        EXPECT_EQ(onDisk(), (Statistics{1, 0, 0, 0, 1, 0, 0})) << "no card was up";
    }
    const auto third = open();
    EXPECT_TRUE(third->resumable) << "a dealt game, never started";
    third->deal(layouts::allHome());
    EXPECT_EQ(onDisk(), (Statistics{1, 0, 0, 0, 1, 0, 0})) << "replaced without a count";
    third->session.lookForLeftGame();
    EXPECT_FALSE(third->resumable);
    EXPECT_TRUE(third->problems.empty());
}

// A new size is kept in view.ini with the other choices, and the settings are written as a Quit
// writes them, before the restart; a size that cannot be kept restarts nothing.
TEST_F(SessionTest, ANewSizeIsKeptBeforeTheRestart) {
    const struct {
        const char* what;
        int chosen;
        bool blocked; // the temporary view file cannot be made
        int restartError;
        int restarts;
        int keptSize;
        std::vector<Kind> told;
    } cases[] = {
        {"a new size", 200, false, 0, 1, 200, {}},
        {"the size in use", 100, false, 0, 0, 100, {}},
        {"a failed restart", 150, false, ENOENT, 1, 150, {Kind::NotRestarted}},
        {"an unwritable file", 150, true, 0, 0, 100, {Kind::SizeNotWritten}},
    };
    for (const auto& c : cases) {
        QDir(settingsDir.path()).removeRecursively();
        QDir().mkpath(settingsDir.path());
        ASSERT_TRUE(viewfile::save(settingsDir.path(), {true, 100}).ok());
        if (c.blocked)
            QDir(settingsDir.path()).mkdir(viewfile::TempName);
        const auto copy = open();
        copy->deal(layouts::allHome());
        int restarts = 0;
        bool settingsWritten = false;
        copy->session.setRestarter([&](const QString& named) {
            // This copy's own game, never whichever another copy left last.
            QFile game(named);
            EXPECT_TRUE(game.open(QIODevice::ReadOnly)) << c.what;
            EXPECT_EQ(vestorine::parseGameRecord(game.readAll().toStdString()),
                      copy->game.snapshot())
                << c.what;
            settingsWritten = QFile::exists(settingsfile::filePath(settingsDir.path()));
            ++restarts;
            return c.restartError;
        });
        copy->session.chooseTableSize(c.chosen);
        EXPECT_EQ(restarts, c.restarts) << c.what;
        EXPECT_EQ(settingsWritten, c.restarts > 0) << c.what;
        EXPECT_EQ(copy->session.tableSize(), c.keptSize) << c.what;
        std::vector<Kind> told;
        for (const FileProblem& problem : copy->problems)
            told.push_back(problem.kind);
        EXPECT_EQ(told, c.told) << c.what;
    }
}

} // namespace
