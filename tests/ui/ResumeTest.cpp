#include "TableFixture.h"

#include <QDir>
#include <QMenu>

#include <functional>
#include <memory>
#include <vector>

#include "GameFile.h"
#include "StatisticsFile.h"
#include "StatisticsKeeper.h"
#include "StatisticsPrint.h"
#include "common/ErrorBox.h"

using vestorine::Statistics;

namespace {

// One running copy of the program: its own game, its own main window, the shared data folder.
struct Copy {
    Copy(const QString& data, const QString& settings) {
        back.chooseCrosshatch(2);
        form.setDealDelay(0);
        form.session().setSettingsFolder(settings);
        form.session().setDataFolder(data);
        form.show();
        lookAgain();
    }
    // As opening the File menu does.
    void lookAgain() { emit form.findChild<QMenu*>("MenuFile")->aboutToShow(); }
    CardImage* jeu() { return form.findChild<CardImage*>("ImageJeu"); }
    CardImage* talon() { return form.findChild<CardImage*>("ImageTalon"); }
    QLabel* info() { return form.findChild<QLabel*>("LabelInfo"); }
    QAction* action(const char* name) { return form.findChild<QAction*>(name); }

    vestorine::CardBackChoice back;
    ScriptedRandom random;
    vestorine::GameState game{back, random};
    TForm1 form{game, back};
};

using Step = std::function<void(Copy&)>;

class ResumeTest : public TableTest {
protected:
    ResumeTest() {
        errorbox::setBox(
            [this](QWidget*, const QString&, const QString& text) { boxes.push_back(text); });
    }
    ~ResumeTest() override { errorbox::setBox({}); }

    QString folder() const { return dataDir.filePath(QStringLiteral("vestorine")); }
    std::unique_ptr<Copy> open() { return std::make_unique<Copy>(folder(), settingsDir.path()); }
    Statistics onDisk() { return statisticsfile::load(folder()).counts; }

    Step dealt(const Layout& layout) {
        return [layout](Copy& c) {
            c.random.scriptDeal(layout);
            c.action("MenuDeal32")->trigger();
        };
    }
    Step click(int row, int col) {
        return [this, row, col](Copy& c) {
            QTest::mouseClick(c.jeu(), Qt::LeftButton, {}, geometry.cellRect(row, col).center());
        };
    }
    // The talon grabbed by its centre and dropped with its centre on the cell.
    Step drop(int row, int col) {
        return [this, row, col](Copy& c) {
            const QPoint grab(TableGeometry::halfToEven(geometry.cardWidth()),
                              TableGeometry::halfToEven(geometry.cardHeight()));
            const QPoint to = geometry.gridRect().topLeft() + geometry.cellRect(row, col).center();
            CardImage* t = c.talon();
            QTest::mousePress(t, Qt::LeftButton, {}, grab);
            QTest::mouseMove(t, to - t->pos());
            QTest::mouseRelease(t, Qt::LeftButton, {}, to - t->pos());
        };
    }

    QTemporaryDir dataDir;
    std::vector<QString> boxes;
};

// What a player sees of a copy's table.
struct Seen {
    QImage grid;
    bool talonShown;
    QImage talon;
    QString status;
    int points;
    bool blinking;
    bool legend;
};

Seen seen(Copy& c) {
    return {c.jeu()->picture().toImage(),
            c.talon()->isVisible(),
            c.talon()->isVisible() ? c.talon()->picture().toImage() : QImage(),
            c.info()->text(),
            c.info()->font().pointSize(),
            c.form.findChild<QTimer*>("TimerBlinking")->isActive(),
            c.form.findChild<QLabel*>("LabelCartes")->isVisible()};
}

// A copy plays a few steps and goes (closed, or its process ended); the next copy resumes it
// from the menu, sees the same table, finishes the game, and the game counts once.
TEST_F(ResumeTest, EveryKindOfActionIsResumedExactly) {
    std::vector<Step> chain = {dealt(layouts::fullChain()), click(1, 1)};
    for (int i = 1; i < vestorine::CellCount; ++i)
        chain.push_back(drop(layouts::cell(i).first, layouts::cell(i).second));
    chain.push_back(drop(1, 1));
    const std::vector<Step> reveal = {dealt(layouts::allHome()), click(2, 3), drop(2, 3),
                                      click(1, 1), click(1, 2)};
    const struct {
        const char* what;
        const std::vector<Step>& steps;
        std::size_t before; // steps played by the first copy
        Statistics end;
    } cases[] = {
        {"the deal", chain, 1, {1, 1, 0, 0, 0, 1, 1}},
        {"the first card", chain, 2, {1, 1, 0, 0, 0, 1, 1}},
        {"a drop", chain, 5, {1, 1, 0, 0, 0, 1, 1}},
        {"the closed chain", reveal, 3, {1, 0, 1, 0, 0, 1, 1}},
        {"a reveal", reveal, 4, {1, 0, 1, 0, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        QDir(folder()).removeRecursively();
        Seen left;
        vestorine::GameRecord record;
        {
            const auto first = open();
            for (std::size_t i = 0; i < c.before; ++i)
                c.steps[i](*first);
            left = seen(*first);
            record = first->game.snapshot();
        }
        const auto next = open();
        ASSERT_TRUE(next->action("MenuResume")->isEnabled()) << c.what;
        next->action("MenuResume")->trigger();
        EXPECT_EQ(next->game.snapshot(), record) << c.what;
        const Seen now = seen(*next);
        for (int r = 1; r <= vestorine::RowCount; ++r)
            for (int col = 1; col <= vestorine::ColumnCount; ++col) {
                const QRect cell = geometry.cellRect(r, col);
                EXPECT_TRUE(now.grid.copy(cell) == left.grid.copy(cell))
                    << c.what << " cell " << r << "," << col << " up " << next->game.FaceUp(r, col)
                    << " down " << next->game.Tableau(r, col);
            }
        EXPECT_EQ(now.talonShown, left.talonShown) << c.what;
        // Inside its corners, which blend with the cards carried before.
        const QRect inside = now.talon.rect().adjusted(4, 4, -4, -4);
        EXPECT_TRUE(now.talon.copy(inside) == left.talon.copy(inside)) << c.what;
        EXPECT_EQ(now.status, left.status) << c.what;
        EXPECT_EQ(now.points, left.points) << c.what;
        EXPECT_EQ(now.blinking, left.blinking) << c.what;
        EXPECT_EQ(now.legend, left.legend) << c.what;
        EXPECT_FALSE(next->action("MenuResume")->isEnabled()) << c.what;
        EXPECT_TRUE(next->action("MenuReplay")->text().contains(QString::number(record.dealNumber)))
            << c.what << ": the deal keeps its number";
        for (std::size_t i = c.before; i < c.steps.size(); ++i)
            c.steps[i](*next);
        if (&c.steps == &reveal)
            for (int r = 1; r <= vestorine::RowCount; ++r)
                for (int col = 1; col <= vestorine::ColumnCount; ++col)
                    if (next->game.Tableau(r, col) != vestorine::EmptyCell)
                        click(r, col)(*next);
        EXPECT_EQ(next->game.phase(), vestorine::GamePhase::Over) << c.what;
        EXPECT_EQ(onDisk(), c.end) << c.what;
        EXPECT_FALSE(gamefile::findUnfinished(folder()).found) << c.what << ": nothing left";
    }
    EXPECT_TRUE(boxes.empty());
}

} // namespace

TEST_F(ResumeTest, ARestartAtANewSizeShowsTheCellCursor) {
    dealt(layouts::fullChain())(*open());
    const auto next = open();
    next->form.resumeAfterRestart(QDir(folder()).entryInfoList({"game-*.ini"})[0].filePath());
    QCoreApplication::processEvents();
    EXPECT_TRUE(next->form.findChild<QWidget*>("CellCursor")->isVisible()) << "keys may go on";
}
