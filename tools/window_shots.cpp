// Takes the pictures of the back chooser, the lottery, the About and the statistics windows and of
// the dealt table in every language, for the documentation and the translators (run it after
// changing one of those windows or a catalog):
//
//   QT_QPA_PLATFORM=offscreen build/release/tools/window_shots docs

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <string_view>

#include "CardBack.h"
#include "GameSession.h"
#include "GameState.h"
#include "Languages.h"
#include "Messages.h"
#include "ProgramWindows.h"
#include "RandomSource.h"
#include "Statistics.h"
#include "StatisticsKeeper.h"

namespace {

bool save(QWidget& window, const QDir& folder, const char* name, const char* language) {
    const QString path = folder.filePath(QStringLiteral("%1-%2.png").arg(name, language));
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_shots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    vestorine::CardBackChoice back;
    vestorine::ClockRandom random;
    vestorine::GameState game(back, random);
    // The windows as the program makes them; the main window stays hidden.
    ProgramWindows windows(game, back, random);
    TFormApropos& about = windows.apropos;
    TFormDos& dos = windows.dos;
    TFormLoto& loto = windows.loto;
    TFormStats& stats = windows.stats;
    // Counts of a few evenings of play, in a folder of its own: never the user's file.
    QTemporaryDir data;
    StatisticsKeeper& keeper = windows.form1.session().statistics();
    keeper.setFolder(data.path());
    windows.form1.session().setDataFolder(data.path());
    windows.form1.session().setSettingsFolder(data.path());
    keeper.reset();
    for (const char result : std::string_view("LLWLALLCLLWLLAL")) {
        keeper.gameStarted();
        if (result == 'W' || result == 'C')
            keeper.won(result == 'W' ? vestorine::WinKind::AtReveal : vestorine::WinKind::ByChain);
        else if (result == 'L')
            keeper.lost();
        else
            keeper.abandoned();
    }
    bool ok = true;
    // Each language as its menu item chooses it, in the order of the list of languages.
    const QList<QAction*> languages =
        windows.form1.findChild<QMenu*>(QStringLiteral("MenuLangue"))->actions();
    windows.form1.findChild<QAction*>(QStringLiteral("MenuDeal32"))->trigger();
    for (const vestorine::LanguageInfo& language : vestorine::Languages) {
        const std::string tag(language.catalog);
        languages[qsizetype(&language - vestorine::Languages.data())]->trigger();
        stats.showStats();
        dos.showChooser();
        loto.showLoto();
        about.show();
        QApplication::processEvents();
        ok = save(dos, folder, "dos", tag.c_str()) && save(loto, folder, "loto", tag.c_str()) &&
             save(about, folder, "apropos", tag.c_str()) &&
             save(stats, folder, "stats", tag.c_str()) &&
             save(windows.form1, folder, "table", tag.c_str()) && ok;
        dos.hide();
        loto.hide();
        about.hide();
        stats.hide();
    }
    return ok ? 0 : 1;
}
