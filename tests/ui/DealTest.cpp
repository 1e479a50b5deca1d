#include "TableFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <qpa/qwindowsysteminterface.h>

#include <functional>

namespace {

// A click as the window system delivers it: queued, and handled when the event loop gets to it.
void queueClick(QWidget* widget, QPoint pos) {
    QWidget* top = widget->window();
    const QPointF local = widget->mapTo(top, pos);
    const QPointF global = widget->mapToGlobal(QPointF(pos));
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        top->windowHandle(), local, global, Qt::LeftButton, Qt::LeftButton,
        QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        top->windowHandle(), local, global, Qt::NoButton, Qt::LeftButton,
        QEvent::MouseButtonRelease);
}

void queueKey(QWidget* widget, Qt::Key key) {
    QWindow* window = widget->window()->windowHandle();
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, QEvent::KeyPress, key, Qt::NoModifier);
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, QEvent::KeyRelease, key, Qt::NoModifier);
}

class DealTest : public TableTest {
protected:
    // Long enough for a 50 ms tick to fall due during the deal.
    DealTest() { form.setDealDelay(2); }

    // Runs `during` from the event loop while the next deal runs.
    void duringDeal(std::function<void()> during) {
        QTimer::singleShot(0, &form, [this, during] {
            dealing = !game.Dealt();
            during();
        });
    }
    void endDuringDeal(const std::function<void()>& request) {
        const QString ini = settingsDir.path() + QStringLiteral("/vestorine.ini");
        bool waited = false;
        QTimer::singleShot(0, &form, [&] {
            duringDeal([&] {
                request();
                waited = form.isVisible() && !QFile::exists(ini);
            });
            deal(layouts::allHome());
        });
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(dealing);
        EXPECT_TRUE(waited);
        EXPECT_TRUE(game.Dealt());
        EXPECT_TRUE(QFile::exists(ini));
    }

    bool dealing = false;
};

// The keys walk the cursor from the top-left corner to the picked cell, where Return lays the
// talon home and closes the chain: only in this order do the three reach the reveal phase.
TEST_F(DealTest, InputDuringTheDealIsHandledAfterItInOrder) {
    activate();
    duringDeal([&] {
        queueClick(jeu(), geometry.cellRect(2, 3).center());
        queueClick(jeu(), geometry.cellRect(3, 3).center()); // comes during the carry
        for (const Qt::Key k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return})
            queueKey(jeu(), k);
    });
    deal(layouts::allHome());
    EXPECT_TRUE(dealing); // the loop ran meanwhile
    EXPECT_EQ(status(), message(vestorine::MsgInvitePick));
    EXPECT_TRUE(showsBack(2, 3));

    QWindowSystemInterface::flushWindowSystemEvents();
    EXPECT_TRUE(showsFace(2, 3, layouts::allHome()[layouts::at(2, 3)]));
    EXPECT_TRUE(showsBack(3, 3));
    EXPECT_EQ(status(), message(vestorine::MsgInviteReveal));
}

// Both ways out wait for the deal, then end the event loop and write the settings once.
TEST_F(DealTest, CloseRequestDuringTheDealRunsAfterIt) {
    endDuringDeal([&] { EXPECT_FALSE(form.close()); });
}

TEST_F(DealTest, QuitDuringTheDealRunsAfterIt) {
    endDuringDeal([&] { control<QAction>("Menuquitter")->trigger(); });
}

TEST_F(DealTest, DealAskedForDuringTheDealRunsAfterItWithoutNesting) {
    random.scriptDeal(layouts::fullChain());
    int seedsWhenAsked = -1;
    duringDeal([&] {
        dealButton()->click();
        seedsWhenAsked = random.seeds;
    });
    deal(layouts::allHome());
    const int seedsAfterFirst = random.seeds;
    EXPECT_EQ(seedsWhenAsked, seedsAfterFirst); // no shuffle inside the running deal
    ASSERT_TRUE(QTest::qWaitFor([&] { return random.seeds == seedsAfterFirst + 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.Dealt(); }));
    EXPECT_TRUE(showsBack(4, 8));
}

// A screen reader waits for the reply to its press, so the deal may start only after it.
TEST_F(DealTest, AccessiblePressOnTheDealButtonReturnsBeforeTheDeal) {
    random.scriptDeal(layouts::allHome());
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(dealButton());
    ASSERT_TRUE(button && button->actionInterface());
    const int seeds = random.seeds;
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(random.seeds, seeds);
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.Dealt(); }));
}

// A lottery spin left running (its button held while a deal is asked for) keeps still during
// the deal and resumes after it.
TEST_F(DealTest, NoTimerTickRunsIntoTheDeal) {
    loto.showLoto();
    QTest::mousePress(loto.Buttons[0], Qt::LeftButton);
    ASSERT_TRUE(loto.TimerLoto->isActive());
    control<QAction>("MenuDeal32")->trigger();
    EXPECT_FALSE(loto.isVisible());
    EXPECT_EQ(loto.LotoNumbers(1), 0);
    EXPECT_EQ(loto.Edits[0]->text(), QStringLiteral("00"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return loto.LotoNumbers(1) != 0; }));
    loto.TimerLoto->stop();
}

} // namespace
