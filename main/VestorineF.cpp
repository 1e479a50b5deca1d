#include <QApplication>

#include "CardBack.h"
#include "GameState.h"
#include "ProgramWindows.h"
#include "RandomSource.h"
#include "Unit1.h"
#include "common/SignalExit.h"
#include "common/TableScale.h"

int main(int argc, char* argv[]) {
    // The table size must be known before the application reads its scale factor.
    const bool ownScale = tablescale::applyBeforeStart();
    QApplication app(argc, argv);
    tablescale::forgetOwnFactor(ownScale);
    QApplication::setApplicationName(QStringLiteral("Vestorine"));
    // The desktop matches running windows to the menu entry, and its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vestorine.Vestorine"));

    // One game state and one back choice for the whole run.
    vestorine::ClockRandom random;
    vestorine::CardBackChoice back;
    vestorine::GameState game(back, random);

    ProgramWindows windows(game, back, random);
    signalexit::install(&windows.form1, [&windows] { windows.form1.endBySignal(); });
    windows.form1.show();
    windows.form1.startOnScreen(tablescale::takeResumePath());
    return QApplication::exec();
}
