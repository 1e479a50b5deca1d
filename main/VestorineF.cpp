#include <QApplication>
#include <QIcon>

#include "CardBack.h"
#include "GameState.h"
#include "RandomSource.h"
#include "Unit1.h"
#include "UnitAPropos.h"
#include "UnitDos.h"
#include "UnitLoto.h"
#include "UnitStats.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestorine"));
    // The desktop matches running windows to the menu entry, and its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vestorine.Vestorine"));

    // One game state and one back choice for the whole run.
    vestorine::ClockRandom random;
    vestorine::CardBackChoice back;
    vestorine::GameState game(back, random);

    // Created in this order; only the main window is shown, the others wait hidden.
    TForm1 form1(game, back);
    // Every window of the program shows the emblem, registered with the main window.
    QApplication::setWindowIcon(form1.windowIcon());
    // Dialogs of the main window, which the window manager keeps above it.
    TFormApropos formApropos(&form1);
    TFormDos formDos(back, &form1);
    TFormLoto formLoto(random, &form1);
    form1.setCompanions(&formApropos, &formDos, &formLoto);
    // Kept above the table, as its child window.
    TFormStats formStats(form1.statistics(), &form1);
    form1.setStatsWindow(&formStats);
    form1.show();
    return QApplication::exec();
}
