// The table size: kept in view.ini, and a new size starts the program again with the game kept.
#include "TableFixture.h"
#include "ViewFile.h"
#include "common/TableScale.h"

#include <QDir>
#include <QFile>
#include <QMenu>

#include <string>

namespace {

class TableSize : public TableTest {};

TEST_F(TableSize, MenuSpeaksBothLanguages) {
    switchTo(vestorine::English);
    EXPECT_EQ(control<QMenu>("MenuView")->title(), "View");
    EXPECT_EQ(control<QMenu>("MenuTableSize")->title(), "Table size");
    EXPECT_EQ(control<QAction>("MenuTableSize150")->text(), "150%");
    switchTo(vestorine::French);
    EXPECT_EQ(control<QMenu>("MenuView")->title(), "Affichage");
    EXPECT_EQ(control<QMenu>("MenuTableSize")->title(), "Taille de la table");
    EXPECT_EQ(control<QAction>("MenuTableSize200")->text(), "200 %");
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
