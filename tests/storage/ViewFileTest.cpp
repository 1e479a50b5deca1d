#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ViewFile.h"

using namespace viewfile;

TEST(ViewFileText, ReadsWhatItWritesAndRefusesWhatItNeverWrites) {
    const struct {
        const char* text;
        std::optional<View> view;
    } cases[] = {
        {"version=1\nfour-colour=1\ntable-size=150\n", View{true, 150}},
        {"version=1\r\nfour-colour=0\r\ntable-size=200\r\n", View{false, 200}},
        {"version=1\n", View{}},                                   // missing keys: defaults
        {"version=1\nzoom=3\n\ntable-size=100", View{false, 100}}, // unknown key passed over
        {"", std::nullopt},
        {"four-colour=1\n", std::nullopt}, // no version
        {"version=2\nfour-colour=1\n", std::nullopt},
        {"version=1\nfour-colour=yes\n", std::nullopt},
        {"version=1\ntable-size=120\n", std::nullopt},
        {"version=1\ntable-size=150x\n", std::nullopt},
        {"version=1\nfour-colour=1\nfour-colour=0\n", std::nullopt},
        {"version=1\ngarbage\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse(c.text), c.view) << c.text;
    for (const View view : {View{}, View{true, 200}, View{false, 150}})
        EXPECT_EQ(parse(format(view)), view);
}

TEST(ViewFileDisk, SavesAtomicallyAndSetsADamagedFileAside) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("vestorine"));
    EXPECT_EQ(load(folder).status, LoadStatus::Missing);
    EXPECT_EQ(load(folder).view, View{});

    ASSERT_TRUE(save(folder, View{true, 200}).ok());
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/view.in_")));
    const LoadResult loaded = load(folder);
    EXPECT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(loaded.view, (View{true, 200}));

    QFile damaged(filePath(folder));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("version=1\ntable-size=7\n");
    damaged.close();
    const LoadResult afterDamage = load(folder);
    EXPECT_EQ(afterDamage.status, LoadStatus::SetAside);
    EXPECT_EQ(afterDamage.view, View{});
    EXPECT_FALSE(QFile::exists(filePath(folder)));
    EXPECT_EQ(afterDamage.setAsidePath, folder + QStringLiteral("/view.ini.bad"));
    QFile aside(afterDamage.setAsidePath);
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("version=1\ntable-size=7\n")) << "kept, not destroyed";

    // A second damage goes beside the first.
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("garbage");
    damaged.close();
    EXPECT_EQ(load(folder).setAsidePath, folder + QStringLiteral("/view.ini.bad.1"));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/view.ini.bad")));
}
