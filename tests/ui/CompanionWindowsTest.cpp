#include "TableFixture.h"

#include <QAction>
#include <QApplication>
#include <QWindow>

namespace {

// The back chooser, the lottery and the About window stay above the main window, where the
// design puts them, and leave it free to play.
TEST_F(TableTest, SmallWindowsStayAboveTheMainWindowWithoutBlockingIt) {
    const struct {
        const char* item;
        QWidget* window;
        QPoint position;
    } cases[] = {
        {"MenuDos", &dos, {76, 45}},
        {"Menuloto", &loto, {192, 205}},
        {"MenuApropos", &apropos, {172, 182}},
    };
    for (const auto& c : cases) {
        control<QAction>(c.item)->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window)) << c.item;
        ASSERT_NE(c.window->windowHandle(), nullptr);
        EXPECT_EQ(c.window->windowHandle()->transientParent(), form.windowHandle()) << c.item;
        // X11 tells the window manager of the transient parent only for dialogs.
        EXPECT_EQ(c.window->windowType(), Qt::Dialog) << c.item;
        EXPECT_EQ(c.window->pos(), c.position) << c.item;
        EXPECT_FALSE(c.window->isModal()) << c.item;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    deal(layouts::allHome());
    EXPECT_TRUE(control<QLabel>("LabelCartes")->isVisible());
}

} // namespace
