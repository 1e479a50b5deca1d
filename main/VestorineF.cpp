#include <QApplication>

#include "CardBack.h"
#include "GameState.h"
#include "ProgramWindows.h"
#include "RandomSource.h"
#include "Unit1.h"
#include "common/SignalExit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
    return QApplication::exec();
}
