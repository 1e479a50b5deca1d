// The table size: kept in view.ini, and a new size starts the program again with the game kept.
#include "TableFixture.h"
#include "ViewFile.h"
#include "common/TableScale.h"

#include <QDir>
#include <QFile>
#include <QMenu>

#include <tuple>

#include <string>

namespace {

class TableSize : public TableTest {};

TEST_F(TableSize, MenuSpeaksBothLanguages) {
    switchTo(vestorine::English);
    EXPECT_EQ(control<QMenu>("MenuView")->title(), "View");
    EXPECT_EQ(control<QMenu>("MenuTableSize")->title(), "Table size");
    EXPECT_EQ(control<QAction>("MenuTableSize100")->text(), "100%");
    switchTo(vestorine::French);
    EXPECT_EQ(control<QMenu>("MenuView")->title(), "Affichage");
    EXPECT_EQ(control<QMenu>("MenuTableSize")->title(), "Taille de la table");
    EXPECT_EQ(control<QAction>("MenuTableSize100")->text(), "100 %");
}

// Also run at 200 %: the pictures are drawn at the screen's pixels, not stretched.
TEST_F(TableSize, PicturesFollowTheScaleFactor) {
    const double factor = qEnvironmentVariableIsSet(tablescale::ScaleVariable)
                              ? qEnvironmentVariable(tablescale::ScaleVariable).toDouble()
                              : 1.0;
    EXPECT_EQ(jeu()->picture().devicePixelRatio(), factor);
    EXPECT_EQ(jeu()->picture().size(), geometry.gridRect().size() * factor);
    EXPECT_EQ(form.size(), geometry.windowSize()) << "the layout keeps its own pixels";
}

// The offscreen screen is 800 × 800, its frame 2 pixels wide: only the size in use is offered.
TEST_F(TableSize, ASizeTooLargeForTheScreenIsGreyedAndSaysWhy) {
    emit control<QMenu>("MenuView")->aboutToShow();
    EXPECT_TRUE(control<QAction>("MenuTableSize100")->isEnabled());
    EXPECT_TRUE(control<QAction>("MenuTableSize100")->isChecked());
    QAction* large = control<QAction>("MenuTableSize200");
    EXPECT_FALSE(large->isEnabled());
    switchTo(vestorine::English);
    EXPECT_EQ(large->text(), "200% (too large for this screen)");
    EXPECT_EQ(large->toolTip().toStdString(),
              "Too large for this screen (needs 1360 × 1254, the screen offers 800 × 800)");
}

// Measured in the screen's own pixels whatever size this run is drawn at; the window keeps its
// own pixels, the window manager's frame does not grow with it.
TEST(TableScale, ASizeFitsWhenTheFramedWindowFitsTheFreeArea) {
    const auto on = [](int run, QSize screen) {
        const double ratio = run / 100.0;
        return tablescale::Placement{QSize(678, 625), QMargins(0, 24, 0, 6) / ratio,
                                     (QSizeF(screen) / ratio).toSize(), run, ratio};
    };
    struct Case {
        int run;
        QSize screen;
        int percent;
        QSize needs;
        bool fits;
    };
    const Case cases[] = {
        {100, {1920, 1080}, 150, {1017, 968}, true}, {100, {1920, 1080}, 200, {1356, 1280}, false},
        {200, {1920, 1080}, 150, {1017, 968}, true}, {150, {1920, 1080}, 200, {1356, 1280}, false},
        {200, {1366, 768}, 100, {678, 655}, true},   {100, {1366, 768}, 150, {1017, 968}, false},
    };
    for (const Case& c : cases) {
        const tablescale::Fit fit = tablescale::fitAt(on(c.run, c.screen), c.percent);
        EXPECT_EQ(std::tuple(fit.needs, fit.offers, fit.fits()),
                  std::tuple(c.needs, c.screen, c.fits))
            << c.run << " " << c.percent;
    }
    EXPECT_EQ(tablescale::largestFitting(on(200, {1920, 1080})), 150);
    EXPECT_EQ(tablescale::largestFitting(on(100, {800, 600})), 100) << "nothing smaller";
    EXPECT_EQ(tablescale::largestFitting(on(100, {2560, 1440})), 200);
}

TEST(TableScale, CommandLineAndFactor) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(tablescale::commandLine(std::string("vestorine\0", 10)), Args{"vestorine"});
    EXPECT_EQ(tablescale::commandLine(std::string("/a b/v\0-x\0\0", 11)),
              (Args{"/a b/v", "-x", ""}));
    EXPECT_EQ(tablescale::commandLine(""), Args{});
    EXPECT_EQ(tablescale::factorText(150), "1.5");
    EXPECT_EQ(tablescale::factorText(200), "2");
}

TEST(TableScale, DamagedOrMissingFileMeansTheDescribedSizeAndStaysInPlace) {
    QTemporaryDir dir;
    EXPECT_EQ(tablescale::chosenSize(dir.path()), 100);
    QFile file(viewfile::filePath(dir.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("version=1\ntable-size=75\n");
    file.close();
    EXPECT_EQ(tablescale::chosenSize(dir.path()), 100);
    EXPECT_TRUE(file.exists()) << "set aside by the window, which tells the player";
}

TEST(TableScale, ARestartedProgramIsToldItsOwnGameOnce) {
    EXPECT_EQ(tablescale::takeResumePath(), QString());
    qputenv(tablescale::ResumeVariable, "/data/game-1.ini");
    EXPECT_EQ(tablescale::takeResumePath(), "/data/game-1.ini");
    EXPECT_FALSE(qEnvironmentVariableIsSet(tablescale::ResumeVariable)) << "not passed on";
}

} // namespace
