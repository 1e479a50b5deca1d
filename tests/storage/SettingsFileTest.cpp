#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CardBack.h"
#include "Messages.h"
#include "SettingsFile.h"

using namespace settingsfile;

namespace {

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.filePath(QStringLiteral("vestorine")); }
    QString ini() const { return folder() + QStringLiteral("/vestorine.ini"); }
    QString temp() const { return folder() + QStringLiteral("/vestorine.in_"); }

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

    // A failed write names what is in the way (the file, unless told) and its cause.
    void expectWriteError(const fileaccess::WriteResult& written, const QString& in = {}) {
        EXPECT_FALSE(written.ok());
        EXPECT_NE(written.error, 0);
        EXPECT_EQ(written.path, in.isEmpty() ? ini() : in);
    }

private:
    QTemporaryDir m_dir;
};

const std::string sample = "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=13\r\n";

} // namespace

TEST_F(SettingsFileTest, MissingFileIsNoError) {
    EXPECT_EQ(load(folder()).status, LoadStatus::Missing);
}

TEST_F(SettingsFileTest, WritesExactBytesAndReadsThemBack) {
    ASSERT_TRUE(save(folder(), sample).ok());
    EXPECT_EQ(contents(ini()), QByteArray::fromStdString(sample));
    EXPECT_FALSE(QFile::exists(temp()));
    const LoadResult read = load(folder());
    EXPECT_EQ(read.status, LoadStatus::Loaded);
    EXPECT_EQ(read.values.language, vestorine::English);
    EXPECT_EQ(read.values.deck, 13);
}

TEST_F(SettingsFileTest, SavedFileIsReadOnlyAndIsReplacedNextTime) {
    ASSERT_TRUE(save(folder(), sample).ok());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(ini()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    // A read-only leftover temporary file is no obstacle either.
    put(temp(), "stale");
    QFile::setPermissions(temp(), QFile::ReadOwner);
    ASSERT_TRUE(save(folder(), "second\r\n").ok());
    EXPECT_EQ(contents(ini()), "second\r\n");
    EXPECT_FALSE(QFile::exists(temp()));
}

TEST_F(SettingsFileTest, FolderThatCannotBeMadeIsAFailedWrite) {
    put(folder(), "a plain file where the folder should be");
    const auto written = save(folder() + QStringLiteral("/inner"), sample);
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.error, 0);
}

TEST_F(SettingsFileTest, TemporaryFileThatCannotBeCreatedKeepsTheOldFile) {
    put(ini(), "old\nDECK=3\n");
    put(temp() + QStringLiteral("/blocker"), "a folder stands where the temporary file goes");
    expectWriteError(save(folder(), sample), temp());
    EXPECT_EQ(save(folder(), sample).error, EISDIR) << "said as a folder, not as a code";
    EXPECT_EQ(contents(ini()), "old\nDECK=3\n");
}

TEST_F(SettingsFileTest, FailedRenameRemovesTheTemporaryFile) {
    put(ini() + QStringLiteral("/inside"), "the settings name is taken by a folder");
    expectWriteError(save(folder(), sample));
    EXPECT_FALSE(QFile::exists(temp()));
    EXPECT_EQ(contents(ini() + QStringLiteral("/inside")),
              "the settings name is taken by a folder");
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileIsReportedAndAppliesNothing) {
    QDir().mkpath(ini());
    const LoadResult read = load(folder());
    EXPECT_EQ(read.status, LoadStatus::Unreadable);
    EXPECT_FALSE(read.values.language || read.values.deck);
    EXPECT_EQ(read.path, ini());
    EXPECT_EQ(read.error, EISDIR);
}

TEST_F(SettingsFileTest, PipeInPlaceOfTheFileDoesNotHang) {
    QDir().mkpath(folder());
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini()).constData(), 0644), 0);
    EXPECT_EQ(load(folder()).status, LoadStatus::Unreadable);
}

TEST_F(SettingsFileTest, OnlyTheStartOfAHugeFileIsRead) {
    QByteArray bytes("LANGUAGE=1\r\n");
    bytes += QByteArray(MaxReadBytes, '\0');
    bytes += "\r\nDECK=5\r\n"; // beyond the part that is read
    put(ini(), bytes);
    const LoadResult read = load(folder());
    EXPECT_EQ(read.status, LoadStatus::Loaded);
    EXPECT_EQ(read.values.language, vestorine::English);
    EXPECT_FALSE(read.values.deck);
}

TEST_F(SettingsFileTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
    put(ini(), "old\nLANGUAGE=2\n");
    // A file-size limit below the three lines stands for a full disk: the write stops short.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const auto written = save(folder(), sample);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    expectWriteError(written);
    EXPECT_EQ(contents(ini()), "old\nLANGUAGE=2\n");
    EXPECT_FALSE(QFile::exists(temp()));
}

TEST_F(SettingsFileTest, FolderMovedAwayBeforeTheRenameKeepsTheOldFile) {
    put(ini(), "old\nDECK=5\n");
    const QString moved = folder() + QStringLiteral("-moved");
    setBeforeRename([&] { ASSERT_TRUE(QDir().rename(folder(), moved)); });
    const auto written = save(folder(), sample);
    setBeforeRename({});

    EXPECT_FALSE(written.ok());
    EXPECT_EQ(contents(moved + QStringLiteral("/vestorine.ini")), "old\nDECK=5\n");
    EXPECT_FALSE(QFile::exists(moved + QStringLiteral("/vestorine.in_")));
    EXPECT_FALSE(QFile::exists(folder()));
}

TEST_F(SettingsFileTest, KilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    const std::string first = "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=0\r\n";
    const std::string second = "[VESTORINE V1.1]\r\nLANGUAGE=2\r\nDECK=16\r\n";
    ASSERT_TRUE(save(folder(), first).ok());
    std::mt19937 timing(11);
    for (int round = 0; round < 200; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                save(folder(), i % 2 ? first : second);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(timing));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray now = contents(ini());
        ASSERT_TRUE(now == QByteArray::fromStdString(first) ||
                    now == QByteArray::fromStdString(second))
            << "round " << round << ": " << now.toStdString();
    }
}
