#pragma once

#include <array>

#include <QLocale>
#include <QString>

#include "CardBack.h"

// Every caption, label, menu text and accessible name of the windows, in both languages, as
// fixed tables: the windows read them here and keep no text of their own. The status messages
// and the card names are the game's and live with it. The windows open with their first-start
// texts, which differ in places from those a language switch writes.
namespace texts {

QString text(const char* utf8);
// How the language (English or French) writes its numbers.
QLocale locale(int language);

// The main window's menu after a language switch; the deal button is named like its item.
struct MainTexts {
    const char* file;
    const char* deal;
    const char* stats;
    const char* dos;
    const char* langue;
    const char* view;
    const char* readme;
    const char* apropos;
};
const MainTexts& mainWindow(int language);

// The main window as it opens, before any language is applied.
struct MainStartTexts {
    const char* title;
    const char* file;
    const char* deal;
    const char* stats;
    const char* quit;
    const char* dos;
    const char* langue;
    const char* view;
    const char* english;
    const char* french;
    const char* info;
    const char* readme;
    const char* apropos;
    const char* loto;
    const char* dealButton;
    const char* legend; // its blanks put each rank under its column with cards 71 pixels wide
};
const MainStartTexts& mainAtStart();

// The table size, in the View menu.
struct TableSizeTexts {
    const char* menu;
    const char* percent;      // %1 the size
    const char* notWritten;   // %1 the path
    const char* notRestarted; // the size was kept but the program could not start again
    const char* tooLarge;     // %1 the size, greyed
    const char* tooLargeWhy;  // %1 × %2 the window needs, %3 × %4 the screen offers
    const char* fellBack;     // %1 the size in use, %2 the kept one
};
const TableSizeTexts& tableSize(int language);

// The table's words for a screen reader.
struct TableTexts {
    const char* grid;
    const char* cell; // %1 row, %2 column, %3 what it shows
    const char* faceDown;
    const char* empty;
    const char* talon;
    const char* owns;
    const char* ownsNone;
};
const TableTexts& table(int language);

// What the table's keys say through a screen reader only; nothing here is shown.
struct SpokenTexts {
    const char* goesTo;     // %1 the card, %2 its column, %3 its row
    const char* goesToFree; // %1 the card, %2 its column, %3 the free rows
    const char* orWord;
    const char* notDealt;
    const char* firstPick;
    const char* empty;
    const char* faceUp;
    const char* over;
    const char* revealing;
    const char* edge;
    const char* rowOwned;  // %1 the row, %2 the suit
    const char* rowFree;   // %1 the row
    const char* firstCell; // %1 row, %2 column
    const char* noFirstCell;
    const char* noneDown;
    const char* oneDown;
    const char* manyDown;  // %1 how many
    const char* downInRow; // %1 the row, %2 its columns
    const char* rowWords;  // %1 the row, %2 its cells
    const char* down;      // a face-down card in a summary
    const char* keysHelpTitle;
    const char* keysHelp;
    const char* gridHint;
};
const SpokenTexts& spoken(int language);

// What the main window says through a screen reader at moments of its own: a deal begun, the
// unfinished game, the place of a card just laid (named already as the talon).
struct AnnounceTexts {
    const char* dealing;
    const char* nothingToResume;
    const char* resumeHint;
    const char* laidIn; // %1 row, %2 column
};
const AnnounceTexts& announce(int language);

// The back chooser; the backs in words, choice by choice: the pictures as our card library draws
// them, then the crosshatch in the four colours of the table.
struct BackChooserTexts {
    const char* title;
    const char* invitation;
    const char* random;
    const char* grid;
    std::array<const char*, vestorine::BackChoiceCount> backs;
};
const BackChooserTexts& backChooser(int language);
const BackChooserTexts& backChooserAtStart();

// The lottery; the slots are named for a screen reader.
struct LotoTexts {
    const char* title;
    const char* invitation;
    const char* number; // %1 its place
    const char* complementary;
    const char* draw; // %1 the slot's name
};
const LotoTexts& loto(int language);
const LotoTexts& lotoAtStart();
inline constexpr const char* LotoButton = "B%1"; // %1 its place
inline constexpr const char* LotoComplementaryButton = "C";

// The statistics window, its rows in the order of TFormStats::Row.
struct StatsTexts {
    const char* caption;
    std::array<const char*, 9> rows;
    const char* reset;
    const char* close;
    const char* question;
    const char* yes;
    const char* no;
};
const StatsTexts& stats(int language);
// A figure as a screen reader says it: %1 the row's label, %2 its figure.
const char* statsFigure(int language);

// The About window, which speaks one language only.
struct AboutTexts {
    const char* title;
    const char* brand;
    const char* version;
    const char* team;
    const char* url;
    const char* ok;
};
const AboutTexts& about();

// The error boxes of the main window.
struct ErrorTexts {
    const char* title;
    const char* readTitle;
    const char* cannotRead; // %1 the path, %2 the reason
    const char* settingsNotWritten;
    const char* statisticsNotWritten; // %1 the path
};
const ErrorTexts& errors();

// Deal numbers: the File menu's two items, the dialog that chooses a number, and the grid's
// description. The French set is also the one the window opens with.
struct DealTexts {
    const char* replay;         // before the first deal
    const char* replayNumbered; // %1 the deal number
    const char* choose;
    const char* title;
    const char* prompt;
    const char* ok;
    const char* cancel;
    const char* notANumber; // %1 the last deal number
    const char* gridDeal;   // %1 the deal number
};
const DealTexts& deals(int language);

// The View menu; the French set is also the one the window opens with.
struct ViewTexts {
    const char* view;
    const char* fourColour;
    const char* notWritten; // %1 the path
    const char* setAside;   // %1 where the damaged file is kept
};
const ViewTexts& view(int language);

// The unfinished game's menu item and the words that explain a failure with the player's files:
// the file, the cause, what the program does about it.
struct FileTexts {
    const char* title; // every box of our own but the settings-write one, which keeps its own
    const char* resume;
    const char* settingsNotRead;      // %1 the path, %2 the cause
    const char* settingsNotWritten;   // %1 the path, %2 the cause
    const char* statisticsNotWritten; // %1 the cause
    const char* statisticsSetAside;   // %1 where the damaged file is kept
    const char* gameNotWritten;       // %1 the path, %2 the cause
    const char* gamesSetAside;        // %1 where the damaged files are kept
    const char* foldersSetAside;      // %1 where the folders are now
    const char* gamesUncounted;       // %1 how many games, %2 the file
    const char* noSpace;
    const char* denied;
    const char* readOnly;
    const char* isFolder;
    const char* notAFolder;
    const char* missing;
    const char* inputOutput;
    const char* otherCause; // %1 the system's error number
};
const FileTexts& files(int language);
// The cause of a failed file operation, from its errno, in words of the language.
QString cause(int language, int error);

} // namespace texts
