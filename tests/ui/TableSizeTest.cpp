// The table size: kept in view.ini, and a new size starts the program again with the game kept.
#include "SettingsFile.h"
#include "TableFixture.h"
#include "ViewFile.h"
#include "common/ErrorBox.h"
#include "common/TableScale.h"

#include <QDir>
#include <QFile>
#include <QMenu>

#include <string>
#include <vector>

namespace {

class TableSize : public TableTest {
protected:
    TableSize() {
        form.session().setRestarter([this](const QString&) {
            // What the new program will find on disk at the moment it starts.
            atRestart = viewfile::load(settingsDir.path());
            settingsAtRestart = QFile::exists(settingsfile::filePath(settingsDir.path()));
            ++restarts;
            return restartError;
        });
        errorbox::setBox(
            [this](QWidget*, const QString&, const QString& text) { boxes.push_back(text); });
    }
    ~TableSize() override { errorbox::setBox({}); }

    QAction* sizeItem(int percent) {
        const QByteArray name = "MenuTableSize" + QByteArray::number(percent);
        return control<QAction>(name.constData());
    }
    void choose(int percent) { sizeItem(percent)->trigger(); }
    bool checked(int percent) {
        emit control<QMenu>("MenuView")->aboutToShow();
        return sizeItem(percent)->isChecked();
    }

    int restarts = 0;
    int restartError = 0;
    bool settingsAtRestart = false;
    viewfile::LoadResult atRestart;
    std::vector<QString> boxes;
};

TEST_F(TableSize, ANewSizeIsKeptWithTheOtherChoicesBeforeTheRestart) {
    ASSERT_TRUE(viewfile::save(settingsDir.path(), {true, 100}).ok());
    EXPECT_TRUE(checked(100));
    choose(200);
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(atRestart.status, viewfile::LoadStatus::Loaded);
    EXPECT_EQ(atRestart.view, (viewfile::View{true, 200}));
    EXPECT_TRUE(settingsAtRestart) << "the settings are written as a Quit writes them";
    EXPECT_TRUE(checked(200));
    EXPECT_EQ(tablescale::chosenSize(settingsDir.path()), 200);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TableSize, TheSizeInUseRestartsNothing) {
    choose(100);
    EXPECT_EQ(restarts, 0);
    EXPECT_FALSE(QFile::exists(viewfile::filePath(settingsDir.path())));
}

TEST_F(TableSize, AFailedRestartKeepsTheGameAndSaysSo) {
    restartError = ENOENT;
    choose(150);
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(tablescale::chosenSize(settingsDir.path()), 150) << "for the next start";
}

TEST_F(TableSize, AnUnwritableFileKeepsTheSize) {
    QDir(settingsDir.path()).mkdir("view.in_"); // the temporary file cannot be created
    choose(150);
    EXPECT_EQ(restarts, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].contains("view.ini"));
    EXPECT_TRUE(checked(100));
}

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
