#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "LabelUrl.h"
#include "ShellOpen.h"
#include "UnitAPropos.h"

namespace {

// Records what would have been opened, in order with the label's own click.
class ShellTest : public testing::Test {
protected:
    void SetUp() override {
        shell::setOpener([this](const QUrl& url) {
            events.push_back(QStringLiteral("open ") + url.toString());
            return true;
        });
    }
    void TearDown() override { shell::setOpener({}); }

    std::vector<QString> events;
};

} // namespace

TEST_F(ShellTest, ClickCallsOnClickThenOpensTheAddress) {
    TLabelUrl label;
    label.resize(200, 20);
    label.setUrl(QStringLiteral("https://vestorine.org/"));
    TLabelUrl* sender = nullptr;
    label.OnClick = [&](TLabelUrl* s) {
        sender = s;
        events.push_back(QStringLiteral("click"));
    };
    label.OnUrlClick = [&](TLabelUrl*) {
        events.push_back(QStringLiteral("url click"));
    };
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(sender, &label);
    EXPECT_EQ(events, std::vector<QString>({"click", "open https://vestorine.org/"}));
}

TEST_F(ShellTest, AboutWindowShowsItsLinkAndHidesOnOk) {
    TFormApropos about;
    EXPECT_EQ(about.windowTitle(), "A propos de Vestorine");
    EXPECT_EQ(about.size(), QSize(277, 216));
    EXPECT_EQ(about.Label1->text(), "Vestorine 1.0");
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    about.show();
    QTest::mouseClick(about.LabelUrl1, Qt::LeftButton);
    EXPECT_EQ(events, std::vector<QString>({"open " + about.LabelUrl1->Url()}));
    EXPECT_TRUE(about.Label2->text().size() > 0);
    QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(ShellTest, ReadmeOfTheLanguageFromTheFirstFolderHoldingIt) {
    QTemporaryDir installed, beside;
    const auto put = [](const QTemporaryDir& dir, const char* name) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    put(installed, "lisezmoi.txt");
    put(beside, "readme.txt");
    put(beside, "lisezmoi.txt");
    const QStringList folders{installed.path(), beside.path()};
    EXPECT_EQ(shell::findReadme(1, folders), beside.filePath("readme.txt"));
    EXPECT_EQ(shell::findReadme(2, folders), installed.filePath("lisezmoi.txt"));
    EXPECT_TRUE(shell::findReadme(1, {installed.path()}).isEmpty());
}
