#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "LabelUrl.h"
#include "UnitAPropos.h"
#include "common/ShellOpen.h"

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

namespace {

void hover(QWidget* widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

// The label is wider than its address: only the text itself shows the hand and takes clicks.
TEST_F(ShellTest, LinkReactsOnlyOverItsCentredText) {
    TFormApropos about;
    about.show();
    TLabelUrl* link = about.LabelUrl1;
    const QRect text = link->textRect();
    EXPECT_NEAR(text.center().x(), link->rect().center().x(), 1);
    EXPECT_LT(text.width(), link->width());
    const int y = text.center().y();
    const struct {
        QPoint at;
        bool reacts;
    } cases[] = {
        {{text.left() + 1, y}, true},
        {{text.right() - 1, y}, true},
        {{text.left() - 3, y}, false},
        {{text.right() + 3, y}, false},
    };
    for (const auto& c : cases) {
        events.clear();
        hover(link, c.at);
        EXPECT_EQ(link->testAttribute(Qt::WA_SetCursor), c.reacts) << c.at.x();
        if (c.reacts) {
            EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        }
        QTest::mouseClick(link, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(events.size(), c.reacts ? 1u : 0u) << c.at.x();
    }
}

// A double-click reaches the label as press, release, double-click, release.
TEST_F(ShellTest, DoubleClickOpensTheAddressOnce) {
    TLabelUrl label;
    label.resize(200, 20);
    label.setUrl(QStringLiteral("https://vestorine.org/"));
    const QPoint at = label.textRect().center();
    QTest::mouseClick(&label, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&label, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, at);
    EXPECT_EQ(events, std::vector<QString>({"open https://vestorine.org/"}));
}

// OK keeps the focus at opening; Tab reaches the link, and Return or Space opens it as a click
// does. The version line is the window's description.
TEST_F(ShellTest, TabReachesTheLinkAndAKeyOpensIt) {
    TFormApropos about;
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(QApplication::focusWidget(), about.BitBtn1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Description),
              about.Label1->text());
    QTest::keyClick(about.BitBtn1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), about.LabelUrl1);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.LabelUrl1);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), about.LabelUrl1->Url());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        events.clear();
        QTest::keyClick(about.LabelUrl1, key);
        EXPECT_EQ(events, std::vector<QString>({"open " + about.LabelUrl1->Url()})) << key;
    }
    EXPECT_TRUE(about.isVisible());
    QTest::keyClick(about.LabelUrl1, Qt::Key_A);
    EXPECT_EQ(events.size(), 1u);
}
