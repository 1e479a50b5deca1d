#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "GameFile.h"

namespace {

vestorine::GameRecord recordWithMessage(int message) {
    vestorine::GameRecord record;
    for (auto& row : record.tableau)
        row.fill(vestorine::EmptyCell);
    record.dealt = true;
    record.dealNumber = 1;
    record.messageIndex = message;
    return record;
}

// Makes a file look written seconds later than now.
void ageBy(const QString& path, int seconds) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                                 QFileDevice::FileModificationTime));
}

// A running copy's game is never offered; a copy gone leaves its game to be resumed, the most
// recent first; a damaged one is set aside.
TEST(GameFile, OffersTheMostRecentGameNoRunningCopyHolds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    EXPECT_FALSE(gamefile::findUnfinished(folder).found);

    auto older = std::make_unique<GameFile>(folder);
    auto newer = std::make_unique<GameFile>(folder);
    GameFile running(folder);
    ASSERT_TRUE(older->held() && newer->held() && running.held());
    ASSERT_TRUE(older->save(recordWithMessage(2)).ok());
    ASSERT_TRUE(running.save(recordWithMessage(4)).ok());
    EXPECT_FALSE(gamefile::findUnfinished(folder).found) << "every game is held";

    const QString newerPath = newer->path();
    ASSERT_TRUE(newer->save(recordWithMessage(3)).ok());
    ageBy(newerPath, 60);
    older.reset();
    newer.reset(); // both copies gone, their games unfinished
    gamefile::Unfinished found = gamefile::findUnfinished(folder);
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.path, newerPath);
    EXPECT_EQ(found.record, recordWithMessage(3));

    // Taken over by a copy that resumes it: gone from the offer.
    EXPECT_TRUE(gamefile::discard(found.path));
    QFile damaged(found.path);
    found = gamefile::findUnfinished(folder);
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.record, recordWithMessage(2));

    // A damaged game file is kept aside, and the search goes on past it.
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("VESTORINE GAME 1\nROW1=garbage\n");
    damaged.close();
    ageBy(damaged.fileName(), 120);
    const gamefile::Unfinished again = gamefile::findUnfinished(folder);
    EXPECT_EQ(again.setAside, QStringList{damaged.fileName() + ".bad"});
    EXPECT_EQ(again.path, found.path);

    // A finished game leaves nothing behind.
    running.remove();
    EXPECT_FALSE(QFile::exists(running.path()));
}

} // namespace
