#include "ProgramWindows.h"

#include <QApplication>

#include "GameSession.h"
#include "common/AltMenuBar.h"

ProgramWindows::ProgramWindows(vestorine::GameState& game, vestorine::CardBackChoice& back,
                               vestorine::RandomSource& random)
    : form1(game, back)
    , apropos(&form1)
    , dos(back, &form1)
    , loto(random, &form1)
    , stats(form1.session().statistics(), &form1) {
    // Every window of the program shows the emblem, registered with the main window.
    QApplication::setWindowIcon(form1.windowIcon());
    altmenubar::install();
    form1.setCompanions(&apropos, &dos, &loto);
    form1.setStatsWindow(&stats);
}
