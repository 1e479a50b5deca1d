#pragma once

#include <array>

#include <QLocale>
#include <QString>

#include "CardBack.h"

// Every caption, label, menu text, status message, card name and accessible name of the windows,
// in the language asked for: the source texts are English, the other languages come from the
// catalogs in translations/. The windows read them here and keep no text of their own. They open
// with their first-start texts, which are French and differ in places from those a language
// switch writes.
namespace texts {

QString text(const char* utf8);
// How the language writes its numbers.
QLocale locale(int language);
// The language's own name, as the Language menu lists it.
QString languageName(int language);

// The status line's message by its id.
QString status(int message, int language);
// "king of hearts", "roi de cœur"; empty for an id outside the game's 32 cards.
QString cardName(int card, int language);
QString rankName(int rank, int language); // by rank index (card / 4)
QString suitName(int suit, int language); // by suit (card mod 4)

// The main window's menu after a language switch; the deal button is named like its item.
struct MainTexts {
    QString file;
    QString deal;
    QString stats;
    QString dos;
    QString langue;
    QString view;
    QString readme;
    QString apropos;
    QString quit; // the same word in English and French, translated in the others
};
MainTexts mainWindow(int language);

// The main window as it opens, before any language is applied.
struct MainStartTexts {
    QString title;
    QString file;
    QString deal;
    QString stats;
    QString quit;
    QString dos;
    QString langue;
    QString view;
    QString info;
    QString readme;
    QString apropos;
    QString loto;
    QString dealButton;
    QString legend; // its blanks put each rank under its column with cards 71 pixels wide
};
MainStartTexts mainAtStart();

// The table size, in the View menu.
struct TableSizeTexts {
    QString menu;
    QString percent;      // %1 the size
    QString notWritten;   // %1 the path
    QString notRestarted; // the size was kept but the program could not start again
    QString tooLarge;     // %1 the size, greyed
    QString tooLargeWhy;  // %1 × %2 the window needs, %3 × %4 the screen offers
    QString fellBack;     // %1 the size in use, %2 the kept one
};
TableSizeTexts tableSize(int language);

// The table's words for a screen reader.
struct TableTexts {
    QString grid;
    QString cell; // %1 row, %2 column, %3 what it shows
    QString faceDown;
    QString empty;
    QString talon;
    QString owns;
    QString ownsNone;
};
TableTexts table(int language);

// What the table's keys say through a screen reader only; nothing here is shown.
struct SpokenTexts {
    QString goesTo;     // %1 the card, %2 its column, %3 its row
    QString goesToFree; // %1 the card, %2 its column, %3 the free rows
    QString orWord;
    QString notDealt;
    QString firstPick;
    QString empty;
    QString faceUp;
    QString over;
    QString revealing;
    QString edge;
    QString rowOwned;  // %1 the row, %2 the suit
    QString rowFree;   // %1 the row
    QString firstCell; // %1 row, %2 column
    QString noFirstCell;
    QString noneDown;
    QString oneDown;
    QString manyDown;  // %1 how many
    QString downInRow; // %1 the row, %2 its columns
    QString rowWords;  // %1 the row, %2 its cells
    QString down;      // a face-down card in a summary
    QString keysHelpTitle;
    QString keysHelp;
    QString gridHint;
};
SpokenTexts spoken(int language);

// What the main window says through a screen reader at moments of its own: a deal begun, the
// unfinished game, the place of a card just laid (named already as the talon).
struct AnnounceTexts {
    QString dealing;
    QString nothingToResume;
    QString resumeHint;
    QString laidIn; // %1 row, %2 column
};
AnnounceTexts announce(int language);

// The back chooser; the backs in words, choice by choice: the pictures as our card library draws
// them, then the crosshatch in the four colours of the table.
struct BackChooserTexts {
    QString title;
    QString invitation;
    QString random;
    QString grid;
    std::array<QString, vestorine::BackChoiceCount> backs;
};
BackChooserTexts backChooser(int language);
BackChooserTexts backChooserAtStart();

// The lottery; the slots are named for a screen reader.
struct LotoTexts {
    QString title;
    QString invitation;
    QString number; // %1 its place
    QString complementary;
    QString draw; // %1 the slot's name
};
LotoTexts loto(int language);
LotoTexts lotoAtStart();
inline constexpr const char* LotoButton = "B%1"; // %1 its place
inline constexpr const char* LotoComplementaryButton = "C";

// The statistics window, its rows in the order of TFormStats::Row.
struct StatsTexts {
    QString caption;
    std::array<QString, 9> rows;
    QString reset;
    QString close;
    QString question;
    QString yes;
    QString no;
};
StatsTexts stats(int language);
// A figure as a screen reader says it: %1 the row's label, %2 its figure.
QString statsFigure(int language);

// The About window, which keeps its texts in English and French.
struct AboutTexts {
    QString title;
    QString brand;
    QString version;
    QString team;
    QString url;
    QString ok;
};
AboutTexts about(int language);

// The error boxes of the main window.
struct ErrorTexts {
    QString title;
    QString readTitle;
    QString settingsNotWritten;
    QString statisticsNotWritten; // %1 the path
    QString ok;                   // the boxes' button
};
ErrorTexts errors(int language);

// Deal numbers: the File menu's two items, the dialog that chooses a number, and the grid's
// description. The French set is also the one the window opens with.
struct DealTexts {
    QString replay;         // before the first deal
    QString replayNumbered; // %1 the deal number
    QString choose;
    QString title;
    QString prompt;
    QString ok;
    QString cancel;
    QString notANumber; // %1 the last deal number
    QString gridDeal;   // %1 the deal number
};
DealTexts deals(int language);

// The View menu; the French set is also the one the window opens with.
struct ViewTexts {
    QString view;
    QString fourColour;
    QString notWritten; // %1 the path
    QString setAside;   // %1 where the damaged file is kept
};
ViewTexts view(int language);

// The unfinished game's menu item and the words that explain a failure with the player's files:
// the file, the cause, what the program does about it.
struct FileTexts {
    QString title; // every box of our own but the settings-write one, which keeps its own
    QString resume;
    QString settingsNotRead;      // %1 the path, %2 the cause
    QString settingsNotWritten;   // %1 the path, %2 the cause
    QString statisticsNotWritten; // %1 the cause
    QString statisticsSetAside;   // %1 where the damaged file is kept
    QString gameNotWritten;       // %1 the path, %2 the cause
    QString gamesSetAside;        // %1 where the damaged files are kept
    QString foldersSetAside;      // %1 where the folders are now
    QString gamesUncounted;       // %1 how many games, %2 the file
    QString noSpace;
    QString denied;
    QString readOnly;
    QString isFolder;
    QString notAFolder;
    QString missing;
    QString inputOutput;
    QString otherCause; // %1 the system's error number
};
FileTexts files(int language);
// The cause of a failed file operation, from its errno, in words of the language.
QString cause(int language, int error);

} // namespace texts
