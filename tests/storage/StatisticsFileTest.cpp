#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "SettingsFile.h"
#include "StatisticsFile.h"
#include "StatisticsKeeper.h"

using vestorine::Statistics;
using vestorine::StatisticsEvent;

namespace {

class StatisticsFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.filePath(QStringLiteral("vestorine")); }
    QString file() const { return statisticsfile::filePath(folder()); }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    static void put(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

// The end of game i of a player: the four kinds in turn.
StatisticsEvent ending(int i) {
    const StatisticsEvent ends[] = {StatisticsEvent::WonByChain, StatisticsEvent::WonAtReveal,
                                    StatisticsEvent::Lost, StatisticsEvent::Abandoned};
    return ends[i % 4];
}

// Several processes play many games at once, each event written on its own: none is lost.
TEST_F(StatisticsFileTest, ProcessesPlayingAtOnceCountEveryGameOnce) {
    constexpr int processes = 4;
    constexpr int games = 60;
    std::vector<pid_t> children;
    for (int p = 0; p < processes; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < games; ++i)
                for (const StatisticsEvent event : {StatisticsEvent::GameStarted, ending(i + p)})
                    ok = statisticsfile::apply(folder(), {event}).written.ok() && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const statisticsfile::LoadResult read = statisticsfile::load(folder());
    ASSERT_EQ(read.status, statisticsfile::LoadStatus::Loaded);
    constexpr int each = processes * games / 4;
    EXPECT_EQ(read.counts.played, processes * games);
    EXPECT_EQ(read.counts.wonByChain, each);
    EXPECT_EQ(read.counts.wonAtReveal, each);
    EXPECT_EQ(read.counts.lost, each);
    EXPECT_EQ(read.counts.abandoned, each);
}

// A copy left open while another plays keeps no stale counts of its own.
TEST_F(StatisticsFileTest, TwoKeepersInterleavingGamesCountThemAll) {
    StatisticsKeeper first;
    StatisticsKeeper second;
    first.setFolder(folder());
    second.setFolder(folder());
    first.gameStarted();
    for (int i = 0; i < 5; ++i) {
        second.gameStarted();
        second.won(vestorine::WinKind::ByChain);
    }
    first.lost();
    second.gameStarted();
    second.abandoned();
    const Statistics expected{7, 5, 0, 1, 1, 0, 5};
    EXPECT_EQ(first.counts(), expected);
    EXPECT_EQ(second.counts(), expected);
    EXPECT_EQ(statisticsfile::load(folder()).counts, expected);
}

TEST_F(StatisticsFileTest, EveryDamagedFileIsKeptUnderANewName) {
    const QByteArray damaged[] = {"garbage", "PLAYED=1\n", "LOST=-1\n"};
    StatisticsKeeper keeper;
    keeper.setFolder(folder());
    QStringList told;
    QObject::connect(&keeper, &StatisticsKeeper::fileSetAside,
                     [&told](const QString& path) { told << path; });
    const QString names[] = {file() + ".bad", file() + ".bad.1", file() + ".bad.2"};
    for (int i = 0; i < 3; ++i) {
        put(file(), damaged[i]);
        if (i == 2)
            keeper.gameStarted(); // set aside by a write as by a read
        else
            EXPECT_EQ(keeper.counts(), Statistics{});
        ASSERT_EQ(told.size(), i + 1);
        EXPECT_EQ(told[i], names[i]);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(contents(names[i]), damaged[i]) << i;
    EXPECT_EQ(statisticsfile::load(folder()).counts, (Statistics{1, 0, 0, 0, 0, 0, 0}));
}

// Without the lock the file is never written over; the counts wait for the next success.
TEST_F(StatisticsFileTest, WithoutTheLockNothingIsWrittenAndNothingLost) {
    QDir().mkpath(statisticsfile::lockPath(folder())); // a folder where the lock file should be
    StatisticsKeeper keeper;
    keeper.setFolder(folder());
    int failures = 0;
    QObject::connect(&keeper, &StatisticsKeeper::writeFailed, [&failures] { ++failures; });
    keeper.gameStarted();
    keeper.lost();
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_EQ(keeper.counts(), (Statistics{1, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(failures, 1);
    QDir(statisticsfile::lockPath(folder())).removeRecursively();
    keeper.gameStarted();
    EXPECT_EQ(statisticsfile::load(folder()).counts, (Statistics{2, 0, 0, 1, 0, 0, 0}));
}

// Statistics and settings reached through a link: the target is written, the link stays.
TEST_F(StatisticsFileTest, LinkedFilesStayLinks) {
    const QString elsewhere = m_dir.filePath(QStringLiteral("elsewhere"));
    QDir().mkpath(folder());
    const struct {
        QString link;
        QString target;
        QString linkText; // relative or absolute
    } cases[] = {
        {file(), elsewhere + "/stats.ini", QStringLiteral("../elsewhere/stats.ini")},
        {settingsfile::filePath(folder()), elsewhere + "/config.ini", elsewhere + "/config.ini"},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(QFile::link(c.linkText, c.link));
    QDir().mkpath(elsewhere);
    statisticsfile::apply(folder(), {StatisticsEvent::GameStarted});
    ASSERT_TRUE(settingsfile::save(folder(), "LANGUAGE=1\r\n").ok());
    EXPECT_EQ(vestorine::parseStatistics(contents(cases[0].target).toStdString()),
              (Statistics{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(contents(cases[1].target), "LANGUAGE=1\r\n");
    for (const auto& c : cases)
        EXPECT_TRUE(QFileInfo(c.link).isSymLink()) << c.link.toStdString();
}

} // namespace
