#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "CardBack.h"
#include "Messages.h"
#include "SettingsFile.h"

using namespace settingsfile;

namespace {

struct Box {
    QString title;
    QString text;
};

// Catches the error boxes instead of showing them.
class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        setErrorBox([this](QWidget*, const QString& title, const QString& text) {
            boxes.push_back({title, text});
        });
    }
    void TearDown() override { setErrorBox({}); }

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

    void expectOneWriteError() {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Erreur");
        EXPECT_EQ(boxes[0].text, "Err vestorine.ini");
    }

    std::vector<Box> boxes;

private:
    QTemporaryDir m_dir;
};

const std::string sample = "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=13\r\n";

} // namespace

TEST_F(SettingsFileTest, MissingFileIsNoError) {
    EXPECT_EQ(load(folder(), nullptr).status, LoadStatus::Missing);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsFileTest, WritesExactBytesAndReadsThemBack) {
    ASSERT_TRUE(save(folder(), sample, nullptr));
    EXPECT_EQ(contents(ini()), QByteArray::fromStdString(sample));
    EXPECT_FALSE(QFile::exists(temp()));
    const LoadResult read = load(folder(), nullptr);
    EXPECT_EQ(read.status, LoadStatus::Loaded);
    EXPECT_EQ(read.values.language, vestorine::English);
    EXPECT_EQ(read.values.deck, 13);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsFileTest, SavedFileIsReadOnlyAndIsReplacedNextTime) {
    ASSERT_TRUE(save(folder(), sample, nullptr));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(ini()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    // A read-only leftover temporary file is no obstacle either.
    put(temp(), "stale");
    QFile::setPermissions(temp(), QFile::ReadOwner);
    ASSERT_TRUE(save(folder(), "second\r\n", nullptr));
    EXPECT_EQ(contents(ini()), "second\r\n");
    EXPECT_FALSE(QFile::exists(temp()));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsFileTest, FolderThatCannotBeMadeShowsTheBoxOnce) {
    put(folder(), "a plain file where the folder should be");
    EXPECT_FALSE(save(folder() + QStringLiteral("/inner"), sample, nullptr));
    expectOneWriteError();
}

TEST_F(SettingsFileTest, TemporaryFileThatCannotBeCreatedKeepsTheOldFile) {
    put(ini(), "old\nDECK=3\n");
    put(temp() + QStringLiteral("/blocker"), "a folder stands where the temporary file goes");
    EXPECT_FALSE(save(folder(), sample, nullptr));
    expectOneWriteError();
    EXPECT_EQ(contents(ini()), "old\nDECK=3\n");
}

TEST_F(SettingsFileTest, FailedRenameRemovesTheTemporaryFile) {
    put(ini() + QStringLiteral("/inside"), "the settings name is taken by a folder");
    EXPECT_FALSE(save(folder(), sample, nullptr));
    expectOneWriteError();
    EXPECT_FALSE(QFile::exists(temp()));
    EXPECT_EQ(contents(ini() + QStringLiteral("/inside")),
              "the settings name is taken by a folder");
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFileIsReportedOnceAndAppliesNothing) {
    QDir().mkpath(ini());
    const LoadResult read = load(folder(), nullptr);
    EXPECT_EQ(read.status, LoadStatus::Unreadable);
    EXPECT_FALSE(read.values.language || read.values.deck);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(ini())) << boxes[0].text.toStdString();
}

TEST_F(SettingsFileTest, PipeInPlaceOfTheFileDoesNotHang) {
    QDir().mkpath(folder());
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini()).constData(), 0644), 0);
    EXPECT_EQ(load(folder(), nullptr).status, LoadStatus::Unreadable);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(SettingsFileTest, OnlyTheStartOfAHugeFileIsRead) {
    QByteArray bytes("LANGUAGE=1\r\n");
    bytes += QByteArray(MaxReadBytes, '\0');
    bytes += "\r\nDECK=5\r\n"; // beyond the part that is read
    put(ini(), bytes);
    const LoadResult read = load(folder(), nullptr);
    EXPECT_EQ(read.status, LoadStatus::Loaded);
    EXPECT_EQ(read.values.language, vestorine::English);
    EXPECT_FALSE(read.values.deck);
    EXPECT_TRUE(boxes.empty());
}
