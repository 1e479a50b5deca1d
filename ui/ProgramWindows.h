#pragma once

#include "Unit1.h"
#include "UnitAPropos.h"
#include "UnitDos.h"
#include "UnitLoto.h"
#include "UnitStats.h"

namespace vestorine {
class CardBackChoice;
class GameState;
class RandomSource;
} // namespace vestorine

// The program's windows, created in their order and wired together: the main window first,
// then its dialogs (About, the back chooser, the lottery), which the window manager keeps
// above it, then the statistics window. Only the main window is shown; the others wait hidden.
// The members are destroyed in the reverse order, the dialogs before their parent.
class ProgramWindows {
public:
    ProgramWindows(vestorine::GameState& game, vestorine::CardBackChoice& back,
                   vestorine::RandomSource& random);

    TForm1 form1;
    TFormApropos apropos;
    TFormDos dos;
    TFormLoto loto;
    TFormStats stats;
};
