#include "TableFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include "SettingsFile.h"
#include "common/ErrorBox.h"
#include "common/ProblemBox.h"
#include "common/ShellOpen.h"

#include <functional>

#include <sys/stat.h>

using namespace vestorine;

namespace {

struct CaptionSet {
    int language;
    const char* menuItem;
    std::vector<const char*> main; // File, Deal, Cards deck, Language, readme, About
    const char* dosTitle;
    const char* dosLabel;
    const char* dosButton;
    const char* lotoTitle;
    const char* lotoLabel;
};

const CaptionSet captionSets[] = {
    {English,
     "MenuEnglish",
     {"File", "Deal", "Cards deck", "Language", "readme", "About Vestorine"},
     "CARDS DECK",
     "Click the deck to use or",
     "Random",
     "Good Luck !",
     "You are lucky today ! Let's imagine a loto serial ..."},
    {French,
     "MenuFrancais",
     {"Fichier", "Distribuer", "Dos des cartes", "Langue", "lisez_moi", "A propos de"},
     "DOS DES CARTES",
     "Cliquez le dos à utiliser ou",
     "Aléatoire",
     "Bonne Chance !",
     "C'est votre jour de chance ! Imaginons une grille de loto ..."},
};

class LanguageTest : public TableTest {
protected:
    void choose(const CaptionSet& set) { control<QAction>(set.menuItem)->trigger(); }

    std::vector<QString> mainCaptions() {
        return {control<QMenu>("MenuFile")->title(),      control<QAction>("MenuDeal32")->text(),
                control<QAction>("MenuDos")->text(),      control<QMenu>("MenuLangue")->title(),
                control<QAction>("menulisezmoi")->text(), control<QAction>("MenuApropos")->text()};
    }

    void expectCaptions(const CaptionSet& set) {
        EXPECT_EQ(form.windowTitle(), "VESTORINE V1.1");
        std::vector<QString> expected;
        for (const char* text : set.main)
            expected.push_back(QString::fromUtf8(text));
        EXPECT_EQ(mainCaptions(), expected);
        EXPECT_TRUE(control<QAction>(set.menuItem)->isChecked());
        EXPECT_EQ(control<QAction>("MenuEnglish")->isChecked(), set.language == English);
        EXPECT_EQ(dos.windowTitle(), QString::fromUtf8(set.dosTitle));
        EXPECT_EQ(dos.Label1->text(), QString::fromUtf8(set.dosLabel));
        EXPECT_EQ(dos.ButtonRandom->text(), QString::fromUtf8(set.dosButton));
        EXPECT_EQ(loto.windowTitle(), QString::fromUtf8(set.lotoTitle));
        EXPECT_EQ(loto.Label1->text(), QString::fromUtf8(set.lotoLabel));
        // Texts no switch touches.
        EXPECT_EQ(control<QAction>("Menuquitter")->text(), "Quitter");
        EXPECT_EQ(control<QAction>("Menuloto")->text(), "loto (caché)");
        EXPECT_EQ(loto.Buttons[6]->text(), "C");
        EXPECT_EQ(apropos.windowTitle(), "A propos de Vestorine");
        EXPECT_EQ(game.Language(), set.language);
    }

    QString statusIn(int language) { return texts::status(game.MessageIndex(), language); }
};

} // namespace

TEST_F(LanguageTest, SwitchRewritesEveryWindowAndLeavesTheGameAlone) {
    deal(layouts::fullChain());
    clickCell(2, 3);
    const int index = game.MessageIndex();
    const int talonCard = game.CurrentCard();
    const QFont font = info()->font();
    const QImage grid = jeu()->picture().toImage();
    for (const CaptionSet& set : {captionSets[0], captionSets[1], captionSets[1], captionSets[0]}) {
        choose(set);
        expectCaptions(set);
        EXPECT_EQ(status(), statusIn(set.language));
        EXPECT_EQ(game.MessageIndex(), index);
        EXPECT_EQ(game.CurrentCard(), talonCard);
        EXPECT_TRUE(game.Picked());
        EXPECT_EQ(info()->font(), font);
        EXPECT_FALSE(blink()->isActive());
        EXPECT_EQ(jeu()->picture().toImage(), grid);
    }
}

// The languages of the catalogs: every window, the spoken words and a box follow at once, and
// French comes back with its own texts.
TEST_F(LanguageTest, CatalogLanguagesRewriteEveryWindow) {
    struct Expected {
        const char* item;
        int language;
        std::vector<const char*> texts; // File, Quit, back chooser, lottery, statistics, About,
                                        // status, a card, a box's cause
    };
    const Expected cases[] = {
        {"MenuDeutsch",
         3,
         {"Datei", "Beenden", "KARTENRÜCKEN", "Viel Glück!", "Statistik", "Über Vestorine",
          "Klicken Sie auf eine Karte", "Herz-Dame", "Datenträger voll"}},
        {"MenuEspanol",
         4,
         {"Archivo", "Salir", "REVERSO DE LAS CARTAS", "¡Buena suerte!", "Estadísticas",
          "Acerca de Vestorine", "Haz clic en una carta", "reina de corazones",
          "el disco está lleno"}},
        {"MenuItaliano",
         5,
         {"File", "Esci", "DORSO DELLE CARTE", "Buona fortuna!", "Statistiche",
          "Informazioni su Vestorine", "Fai clic su una carta", "donna di cuori",
          "il disco è pieno"}},
    };
    deal(layouts::allHome());
    for (const Expected& c : cases) {
        control<QAction>(c.item)->trigger();
        EXPECT_TRUE(control<QAction>(c.item)->isChecked());
        const std::vector<QString> shown{control<QMenu>("MenuFile")->title(),
                                         control<QAction>("Menuquitter")->text(),
                                         dos.windowTitle(),
                                         loto.windowTitle(),
                                         stats.windowTitle(),
                                         apropos.windowTitle(),
                                         status(),
                                         texts::cardName(46, c.language),
                                         texts::cause(c.language, ENOSPC)};
        EXPECT_EQ(shown, std::vector<QString>(c.texts.begin(), c.texts.end())) << c.item;
    }
    choose(captionSets[1]);
    expectCaptions(captionSets[1]);
}

TEST_F(LanguageTest, SwitchWhileBlinkingShowsTheNewTextAtOnce) {
    deal(layouts::allHome());
    clickCell(1, 1);
    dropOnCell(1, 1); // the chain closes at once, with cards left
    ASSERT_TRUE(blink()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }));
    choose(captionSets[0]);
    EXPECT_EQ(status(), "Click the remaining cards");
    EXPECT_TRUE(blink()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return status().isEmpty(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !status().isEmpty(); }));
    EXPECT_EQ(status(), "Click the remaining cards");
}

TEST_F(LanguageTest, ChosenBackShowsAtTheNextDealOnly) {
    deal(layouts::allHome());
    ASSERT_TRUE(showsBack(3, 4));
    const CardBackChoice before = back;
    control<QAction>("MenuDos")->trigger();
    ASSERT_TRUE(dos.isVisible());
    QTest::mouseClick(dos.ImageJeu, Qt::LeftButton, {}, dos.cellOrigin(7) + QPoint(20, 20));
    EXPECT_FALSE(dos.isVisible());
    EXPECT_EQ(back.Back, 60);
    EXPECT_TRUE(showsPicture(cellImage(3, 4), before.Back, cards::FaceDown, before.BackColor));
    deal(layouts::allHome());
    EXPECT_TRUE(showsPicture(cellImage(3, 4), 60, cards::FaceDown, 0));
}

TEST_F(LanguageTest, ShortcutOpensTheLotteryFromEveryWindow) {
    for (QWidget* window : std::initializer_list<QWidget*>{&form, &dos, &apropos}) {
        loto.hide();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_TRUE(loto.isVisible()) << window->windowTitle().toStdString();
    }
}

TEST_F(LanguageTest, InfoMenuOpensTheReadmeOfTheLanguageAndTheAboutWindow) {
    std::vector<QString> opened;
    shell::setOpener([&](const QUrl& url) {
        opened.push_back(QFileInfo(url.toLocalFile()).fileName());
        return true;
    });
    control<QAction>("menulisezmoi")->trigger();
    choose(captionSets[0]);
    control<QAction>("menulisezmoi")->trigger();
    shell::setOpener({});
    EXPECT_EQ(opened, std::vector<QString>({"lisezmoi.txt", "readme.txt"}));

    control<QAction>("MenuApropos")->trigger();
    EXPECT_TRUE(apropos.isVisible());
}

namespace {

// A program started afresh with a given settings folder, its main window activated.
struct Program {
    explicit Program(const QString& folder) {
        form.session().setSettingsFolder(folder);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // The main window counts as active while its transient About window has the focus: wait
    // for the focus itself.
    void activateAgain() {
        apropos.show();
        apropos.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == apropos.windowHandle(); }));
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == form.windowHandle(); }));
    }

    ScriptedRandom random;
    CardBackChoice back;
    GameState game{back, random};
    ProgramWindows windows{game, back, random};
    TForm1& form = windows.form1;
    TFormApropos& apropos = windows.apropos;
    TFormDos& dos = windows.dos;
    TFormLoto& loto = windows.loto;
};

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        errorbox::setBox(
            [this](QWidget*, const QString&, const QString& text) { boxes.push_back(text); });
    }
    void TearDown() override { errorbox::setBox({}); }

    void put(const QByteArray& bytes) {
        QFile file(QDir(dir.path()).filePath("vestorine.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray written() {
        QFile file(QDir(dir.path()).filePath("vestorine.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    std::vector<QString> boxes;
};

} // namespace

TEST_F(SettingsTest, FileReadAtActivationActsLikeTheMenu) {
    put("LANGUAGE=1\r\nDECK=13\r\n");
    Program program(dir.path());
    EXPECT_EQ(program.form.windowTitle(), "VESTORINE V1.1");
    EXPECT_EQ(program.game.Language(), English);
    EXPECT_EQ(program.dos.windowTitle(), "CARDS DECK");
    EXPECT_FALSE(program.back.RandomBack);
    EXPECT_EQ(program.back.Back, 53);
    EXPECT_EQ(program.back.ColorIndex, 1);
    EXPECT_EQ(program.back.BackColor, 0x000080u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsTest, MissingFileIsLookedForAgainUntilFound) {
    Program program(dir.path());
    EXPECT_EQ(program.form.windowTitle(), "VESTORINE");
    put("LANGUAGE=1\n");
    program.activateAgain();
    EXPECT_EQ(program.form.windowTitle(), "VESTORINE V1.1");
    // Read once found: later changes wait for the next run.
    put("LANGUAGE=2\n");
    program.activateAgain();
    EXPECT_EQ(program.game.Language(), English);
}

TEST_F(SettingsTest, UnreadableFileIsReportedOnceAndAppliesNothing) {
    QDir(dir.path()).mkdir("vestorine.ini");
    Program program(dir.path());
    program.activateAgain();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(program.form.windowTitle(), "VESTORINE");
    EXPECT_TRUE(program.back.RandomBack);
}

TEST_F(SettingsTest, QuitWritesTheFileOnce) {
    Program program(dir.path());
    program.form.findChild<QAction*>("MenuEnglish")->trigger();
    program.back.chooseCrosshatch(4);
    QTimer::singleShot(0, program.form.findChild<QAction*>("Menuquitter"), &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(written(), "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=16\r\n");

    // A close after Quit writes nothing more: a failing write would show a second box.
    QFile::remove(QDir(dir.path()).filePath("vestorine.ini"));
    QDir(dir.path()).mkpath("vestorine.ini/inside");
    program.form.close();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsTest, FailedWriteIsReportedOnceAndTheProgramStillEnds) {
    Program program(dir.path() + "/inside");
    put("in the way of the folder");
    QFile::rename(QDir(dir.path()).filePath("vestorine.ini"), dir.path() + "/inside");
    QTimer::singleShot(0, &program.form, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
    // The first line as it always was, then the file, the cause and what follows, in French.
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(
        boxes[0].startsWith("Err vestorine.ini\nLes réglages n'ont pas pu être écrits dans"))
        << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(dir.path() + "/inside")) << boxes[0].toStdString();
}

// A pipe in place of the file is a file that exists and cannot be read, even by root, whom no
// permission stops. The exit leaves it in place unless the language or the back has changed.
TEST_F(SettingsTest, UnreadableFileIsReplacedAtExitOnlyAfterAChange) {
    const auto menu = [](Program& p, const char* item) {
        p.form.findChild<QAction*>(item)->trigger();
    };
    const struct {
        const char* change;
        std::function<void(Program&)> play;
        QByteArray written; // empty: the pipe stays
    } cases[] = {
        {"none", [](Program&) {}, {}},
        {"language and back again",
         [&](Program& p) {
             menu(p, "MenuEnglish");
             menu(p, "MenuFrancais");
         },
         {}},
        {"language", [&](Program& p) { menu(p, "MenuEnglish"); },
         "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=0\r\n"},
        {"a catalog's language", [&](Program& p) { menu(p, "MenuItaliano"); },
         "[VESTORINE V1.1]\r\nLANGUAGE=5\r\nDECK=0\r\n"},
        {"back",
         [](Program& p) {
             p.dos.showChooser();
             QTest::mouseClick(p.dos.ImageJeu, Qt::LeftButton, {},
                               p.dos.cellOrigin(16) + QPoint(5, 5));
         },
         "[VESTORINE V1.1]\r\nLANGUAGE=2\r\nDECK=16\r\n"},
    };
    const QString path = QDir(dir.path()).filePath("vestorine.ini");
    for (const auto& c : cases) {
        QFile::remove(path);
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        boxes.clear();
        Program program(dir.path());
        EXPECT_EQ(boxes.size(), 1u) << c.change;
        c.play(program);
        QTimer::singleShot(0, program.form.findChild<QAction*>("Menuquitter"), &QAction::trigger);
        EXPECT_EQ(QApplication::exec(), 0);
        const QFileInfo file(path);
        EXPECT_TRUE(file.exists()) << c.change;
        EXPECT_EQ(file.isFile(), !c.written.isEmpty()) << c.change;
        if (file.isFile()) {
            EXPECT_EQ(written(), c.written) << c.change;
        }
        EXPECT_EQ(boxes.size(), 1u) << c.change;
    }
}

// Two copies read the same file; the one that changed nothing leaves the other's choice alone.
TEST_F(SettingsTest, UntouchedCopyLeavesTheOtherCopysChoice) {
    put("[VESTORINE V1.1]\r\nLANGUAGE=2\r\nDECK=0\r\n");
    Program chooser(dir.path());
    Program untouched(dir.path());
    chooser.form.findChild<QAction*>("MenuEnglish")->trigger();
    for (Program* program : {&chooser, &untouched}) {
        QTimer::singleShot(0, program->form.findChild<QAction*>("Menuquitter"), &QAction::trigger);
        EXPECT_EQ(QApplication::exec(), 0);
    }
    EXPECT_EQ(written(), "[VESTORINE V1.1]\r\nLANGUAGE=1\r\nDECK=0\r\n");
    EXPECT_TRUE(boxes.empty());
}

// A folder that cannot be written (a folder in the temporary file's place stops even root):
// nothing changed, nothing written, no box; a change is still tried and reported.
TEST_F(SettingsTest, UnwritableFolderShowsNoBoxWhenNothingChanged) {
    const QByteArray file = "LANGUAGE=2\n";
    for (const bool change : {false, true}) {
        put(file);
        QDir(dir.path()).mkpath("vestorine.in_/inside");
        boxes.clear();
        Program program(dir.path());
        if (change)
            program.form.findChild<QAction*>("MenuEnglish")->trigger();
        QTimer::singleShot(0, program.form.findChild<QAction*>("Menuquitter"), &QAction::trigger);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_EQ(written(), file);
        EXPECT_EQ(boxes.size(), change ? 1u : 0u);
    }
}

// The first box of a start already speaks the language the settings keep, titled in it; the
// settings-write box keeps its own title and first line.
TEST(FileBoxes, SpeakThePlayersLanguageFromTheStart) {
    const QString folder = settingsfile::folder();
    QDir().mkpath(folder);
    ASSERT_TRUE(settingsfile::save(folder, formatSettings(English, CardBackChoice{})).ok());
    QFile view(folder + "/view.ini");
    ASSERT_TRUE(view.open(QIODevice::WriteOnly));
    view.write("damaged\n");
    view.close();
    QStringList boxes;
    errorbox::setBox([&boxes](QWidget*, const QString& title, const QString& text) {
        boxes << title + u'|' + text;
    });
    {
        ScriptedRandom random;
        CardBackChoice back;
        GameState game{back, random};
        ProgramWindows windows{game, back, random};
    }
    errorbox::setBox({});
    QDir(folder).removeRecursively();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("Error|The view choices were damaged"))
        << boxes[0].toStdString();
    const auto settings =
        problembox::words({FileProblem::Kind::SettingsNotWritten, {"/x"}, ENOTDIR}, English);
    EXPECT_EQ(settings.title + settings.text, "ErreurErr vestorine.ini\nThe settings could not be "
                                              "written to \"/x\": a folder on its path is a file. "
                                              "They will not be kept for the next run.");
}
