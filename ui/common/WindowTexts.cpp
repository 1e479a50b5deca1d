#include "common/WindowTexts.h"

#include "Languages.h"
#include "Messages.h"
#include "common/Catalog.h"

#include <QCoreApplication>

#include <array>
#include <cerrno>

// The texts are written once, in English, as the catalogs' sources; each context is a window or
// a kind of text, as a translator meets them. A comment starting with ":" is read by lupdate and
// shown to the translator.
namespace texts {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLocale locale(int language) {
    const std::string_view name = vestorine::language(language).catalog;
    return QLocale(QLatin1String(name.data(), qsizetype(name.size())));
}

QString languageName(int language) {
    const std::string_view name = vestorine::language(language).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

namespace {

// By message id; the blank message has no words.
constexpr std::array<const char*, vestorine::MessageCount> StatusWords{
    nullptr,
    QT_TRANSLATE_NOOP("Status", "Click the button to deal"),
    QT_TRANSLATE_NOOP("Status", "Click a card"),
    QT_TRANSLATE_NOOP("Status", "Move the talon to its ranking place"),
    QT_TRANSLATE_NOOP("Status", "Click the remaining cards"),
    //: "loose" is the game's own spelling, kept on purpose in English. Translate the meaning:
    //: the player has lost.
    QT_TRANSLATE_NOOP("Status", "!!! Sorry, you loose !!!"),
    QT_TRANSLATE_NOOP("Status", "*** You succeed, bravo ***"),
};

// By rank index (card / 4); the game has no card from two to six.
constexpr std::array<const char*, 13> RankWords{
    QT_TRANSLATE_NOOP("Cards", "ace"),
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("Cards", "seven"),
    QT_TRANSLATE_NOOP("Cards", "eight"),
    QT_TRANSLATE_NOOP("Cards", "nine"),
    QT_TRANSLATE_NOOP("Cards", "ten"),
    QT_TRANSLATE_NOOP("Cards", "jack"),
    QT_TRANSLATE_NOOP("Cards", "queen"),
    QT_TRANSLATE_NOOP("Cards", "king"),
};

// By suit (card mod 4), the order of the card pictures.
constexpr std::array<const char*, 4> SuitWords{
    QT_TRANSLATE_NOOP("Cards", "clubs"),
    QT_TRANSLATE_NOOP("Cards", "diamonds"),
    QT_TRANSLATE_NOOP("Cards", "hearts"),
    QT_TRANSLATE_NOOP("Cards", "spades"),
};

// The entry of a table in the language; empty outside the table or where it holds no words.
template <std::size_t N>
QString wordsAt(const std::array<const char*, N>& table, const char* context, int index,
                int language) {
    if (index < 0 || std::size_t(index) >= N || !table[std::size_t(index)])
        return {};
    return Catalog(language).translate(context, table[std::size_t(index)]);
}

} // namespace

QString status(int message, int language) {
    return wordsAt(StatusWords, "Status", message, language);
}

QString rankName(int rank, int language) {
    return wordsAt(RankWords, "Cards", rank, language);
}

QString suitName(int suit, int language) {
    return wordsAt(SuitWords, "Cards", suit, language);
}

QString cardName(int card, int language) {
    const QString rank = card >= 0 && card < 52 ? rankName(card / 4, language) : QString();
    if (rank.isEmpty())
        return {};
    //: A card's name for a screen reader: %1 its rank, %2 its suit ("king of hearts").
    return Catalog(language).translate("Cards", "%1 of %2").arg(rank, suitName(card % 4, language));
}

MainTexts mainWindow(int language) {
    const Catalog words(language);
    return {
        words.translate("MainWindow", "File"),
        words.translate("MainWindow", "Deal"),
        words.translate("MainWindow", "Statistics"),
        words.translate("MainWindow", "Cards deck"),
        words.translate("MainWindow", "Language"),
        words.translate("MainWindow", "View"),
        words.translate("MainWindow", "readme"),
        words.translate("MainWindow", "About Vestorine"),
        //: The Quit item. The English and French menus both say "Quitter", on purpose; other
        //: languages say their own Quit.
        words.translate("MainWindow", "Quitter"),
    };
}

// The first start's texts are French, whatever language the program is run in: they are looked
// up in the French catalog.
MainStartTexts mainAtStart() {
    const Catalog words(vestorine::French);
    const MainTexts set = mainWindow(vestorine::French);
    return {
        QStringLiteral("VESTORINE"),
        set.file,
        //: Shown only on the very first start, in French, before any language is chosen; then
        //: the Deal item takes its usual text. Translate it as "New game".
        words.translate("MainWindow", "New game", "first start"),
        set.stats,
        set.quit,
        set.dos,
        set.langue,
        words.translate("View", "View"),
        QStringLiteral("?"),
        //: Shown only on the very first start, in French ("lisezmoi", without the underscore of
        //: the usual text). Translate it as "readme".
        words.translate("MainWindow", "readme", "first start"),
        //: Shown only on the very first start, in French ("A propos de ..."). Translate it as
        //: "About…".
        words.translate("MainWindow", "About Vestorine", "first start"),
        QStringLiteral("loto (caché)"),
        set.deal, // the deal button's name
        QStringLiteral("          A                 K                 Q                  J         "
                       "         10        "
                       "          9                  8                 7   "),
    };
}

TableSizeTexts tableSize(int language) {
    const Catalog words(language);
    return {
        words.translate("TableSize", "Table size"),
        words.translate("TableSize", "%1%"),
        words.translate("TableSize", "Cannot write the file \"%1\": the table keeps its size."),
        words.translate("TableSize", "The table will take its new size at the next start."),
        words.translate("TableSize", "%1% (too large for this screen)"),
        words.translate("TableSize",
                        "Too large for this screen (needs %1 × %2, the screen offers %3 × %4)"),
        words.translate("TableSize", "The table is drawn at %1%: the %2% you chose is too large "
                                     "for this screen. Your choice is kept for a larger screen."),
    };
}

TableTexts table(int language) {
    const Catalog words(language);
    return {
        words.translate("Table", "card grid, 4 rows of 8 cells"),
        words.translate("Table", "row %1, column %2: %3"),
        words.translate("Table", "face down"),
        words.translate("Table", "empty"),
        words.translate("Table", "talon: %1"),
        words.translate("Table", "its suit owns row %1"),
        words.translate("Table", "its suit owns no row yet"),
    };
}

SpokenTexts spoken(int language) {
    const Catalog words(language);
    return {
        words.translate("Spoken", "%1 goes to column %2, row %3"),
        words.translate("Spoken", "%1 goes to column %2, a free row: %3"),
        words.translate("Spoken", " or "),
        words.translate("Spoken", "no cards dealt: F2 or Ctrl+N deals"),
        words.translate("Spoken", "any card starts the chain"),
        words.translate("Spoken", "empty: the first card was here"),
        words.translate("Spoken", "already face up"),
        words.translate("Spoken", "the game is over: F2 or Ctrl+N deals again"),
        words.translate("Spoken",
                        "the chain is closed: turn up the face-down cards, N finds the next"),
        words.translate("Spoken", "edge"),
        words.translate("Spoken", "row %1 %2"),
        words.translate("Spoken", "row %1 free"),
        words.translate("Spoken", "first card: row %1, column %2"),
        words.translate("Spoken", "no card turned up yet"),
        words.translate("Spoken", "no card face down"),
        words.translate("Spoken", "1 card face down"),
        words.translate("Spoken", "%1 cards face down"),
        words.translate("Spoken", "row %1: %2"),
        words.translate("Spoken", "row %1: %2"),
        words.translate("Spoken", "down"),
        words.translate("Spoken", "Keyboard and screen reader"),
        words.translate(
            "Spoken",
            "On the table:\n"
            "Arrows: move from cell to cell. Home, End: first and last column. Ctrl+Home, "
            "Ctrl+End: first and last cell.\n"
            "A K Q J, T or 1, 9 8 7: the column of that rank in the current row.\n"
            "Return or Space: pick, lay or turn up the card of the cell.\n"
            "H: to the talon's home cell. N: to the next face-down card.\n"
            "W: the talon and where it goes. R: the rows and their suits. F: the first card's "
            "cell.\n"
            "D: the cards face down. S: the whole table, row by row. L: the current row.\n"
            "F2 or Ctrl+N: deal. Alt: the menus. Escape closes this window."),
        words.translate(
            "Spoken",
            "F2 or Ctrl+N deals. The keys are listed in the ? menu, Keyboard and screen reader."),
    };
}

AnnounceTexts announce(int language) {
    const Catalog words(language);
    return {
        words.translate("Announce", "Dealing the cards"),
        words.translate("Announce", "No unfinished game to resume"),
        words.translate("Announce", "An unfinished game is kept: Ctrl+R resumes it"),
        words.translate("Announce", "laid in row %1, column %2"),
    };
}

LotoTexts loto(int language) {
    const Catalog words(language);
    return {
        words.translate("Lottery", "Good Luck !"),
        words.translate("Lottery", "You are lucky today ! Let's imagine a loto serial ..."),
        words.translate("Lottery", "number %1"),
        words.translate("Lottery", "complementary number"),
        words.translate("Lottery", "draw the %1"),
    };
}

DealTexts deals(int language) {
    const Catalog words(language);
    return {
        words.translate("Deals", "Replay this deal"),
        words.translate("Deals", "Replay this deal (no. %1)"),
        words.translate("Deals", "Choose a deal…"),
        words.translate("Deals", "Choose a deal"),
        words.translate("Deals", "Deal number:"),
        words.translate("Deals", "Deal"),
        words.translate("Deals", "Cancel"),
        words.translate("Deals", "Type a whole number from 1 to %1."),
        words.translate("Deals", "deal %1"),
    };
}

ViewTexts view(int language) {
    const Catalog words(language);
    return {
        words.translate("View", "View"),
        words.translate("View", "Four-colour suits"),
        words.translate("View", "Cannot write the file \"%1\"."),
        words.translate("View", "The view choices were damaged; the file is kept as \"%1\". The "
                                "usual view is used until you choose again."),
    };
}

FileTexts files(int language) {
    const Catalog words(language);
    return {
        words.translate("Files", "Error"),
        words.translate("Files", "Resume the unfinished game"),
        words.translate(
            "Files",
            "Cannot read the file \"%1\": %2. The defaults are used, the file is left as it is."),
        words.translate("Files", "The settings could not be written to \"%1\": %2. They will not "
                                 "be kept for the next run."),
        words.translate(
            "Files",
            "The counts could not be written: %1. They are kept until the next write succeeds; if "
            "none does before the game closes, you are told how many games went uncounted."),
        words.translate(
            "Files",
            "The statistics file was damaged; it is kept as \"%1\". Counting starts again."),
        words.translate("Files",
                        "The game in progress could not be written to \"%1\": %2. It cannot be "
                        "resumed after a close or a crash until a later write succeeds."),
        words.translate("Files", "A saved game was damaged and cannot be resumed; if it had begun, "
                                 "it counts as abandoned. It is kept as:\n"
                                 "%1"),
        words.translate("Files", "A folder stood where a saved game belongs. Nothing in it was "
                                 "touched; it was moved to:\n"
                                 "%1"),
        words.translate("Files", "Games that could not be counted in the statistics: %1. The file "
                                 "\"%2\" could not be written until the end."),
        words.translate("Files", "the disk is full"),
        words.translate("Files", "permission denied"),
        words.translate("Files", "the disk is read-only"),
        words.translate("Files", "it is a folder"),
        words.translate("Files", "a folder on its path is a file"),
        words.translate("Files", "the folder does not exist"),
        words.translate("Files", "the disk reported an input/output error"),
        words.translate("Files", "an unexpected system error (code %1)"),
    };
}

BackChooserTexts backChooser(int language) {
    const Catalog words(language);
    return {
        words.translate("BackChooser", "CARDS DECK"),
        words.translate("BackChooser", "Click the deck to use or"),
        words.translate("BackChooser", "Random"),
        words.translate("BackChooser", "card backs"),
        {
            //: The card backs, as a screen reader names them: the pictures first.
            words.translate("BackChooser", "waves"),
            words.translate("BackChooser", "stars"),
            words.translate("BackChooser", "castle"),
            words.translate("BackChooser", "fish"),
            words.translate("BackChooser", "leaves"),
            words.translate("BackChooser", "sun"),
            words.translate("BackChooser", "flowers"),
            words.translate("BackChooser", "compass rose"),
            words.translate("BackChooser", "shells"),
            words.translate("BackChooser", "robot"),
            words.translate("BackChooser", "diamonds"),
            words.translate("BackChooser", "rings"),
            //: Then the crosshatch in its four colours.
            words.translate("BackChooser", "crosshatch, maroon"),
            words.translate("BackChooser", "crosshatch, red"),
            words.translate("BackChooser", "crosshatch, yellow"),
            words.translate("BackChooser", "crosshatch, sky blue"),
        },
    };
}

BackChooserTexts backChooserAtStart() {
    const Catalog words(vestorine::French);
    BackChooserTexts start = backChooser(vestorine::French);
    //: Shown only on the very first start, in French ("Dos des cartes"). Translate it as the
    //: usual caption.
    start.title = words.translate("BackChooser", "CARDS DECK", "first start");
    //: Shown only on the very first start, in French ("Cliquez le dos de votre choix ou").
    //: Translate it as the usual text.
    start.invitation = words.translate("BackChooser", "Click the deck to use or", "first start");
    return start;
}

LotoTexts lotoAtStart() {
    const Catalog words(vestorine::French);
    LotoTexts start = loto(vestorine::French);
    //: Shown only on the very first start, in French ("Bonne Chance", without the "!").
    //: Translate it as the usual caption.
    start.title = words.translate("Lottery", "Good Luck !", "first start");
    //: Shown only on the very first start, in French (it ends with four dots). Translate it as
    //: the usual text.
    start.invitation = words.translate(
        "Lottery", "You are lucky today ! Let's imagine a loto serial ...", "first start");
    return start;
}

StatsTexts stats(int language) {
    const Catalog words(language);
    return {
        words.translate("Statistics", "Statistics"),
        {
            words.translate("Statistics", "Games played"),
            words.translate("Statistics", "Games won"),
            //: Games won, of which: won by the chain alone.
            words.translate("Statistics", "by the chain alone"),
            //: Games won, of which: won when the remaining cards were turned up.
            words.translate("Statistics", "at the reveal"),
            words.translate("Statistics", "Games lost"),
            words.translate("Statistics", "Games abandoned"),
            words.translate("Statistics", "Win rate"),
            words.translate("Statistics", "Current winning streak"),
            words.translate("Statistics", "Best winning streak"),
        },
        words.translate("Statistics", "Reset"),
        words.translate("Statistics", "Close"),
        words.translate("Statistics", "Set every count to zero?"),
        words.translate("Statistics", "Yes"),
        words.translate("Statistics", "No"),
    };
}

QString statsFigure(int language) {
    //: A figure as a screen reader says it: %1 the row's label, %2 its figure.
    return Catalog(language).translate("Statistics", "%1: %2");
}

AboutTexts about(int language) {
    const Catalog words(language);
    return {
        //: The About window keeps its texts in English and French alike, on purpose; other
        //: languages translate them.
        words.translate("About", "A propos de Vestorine"),
        QStringLiteral("Vestorine"),
        QStringLiteral("Vestorine 1.0"),
        words.translate("About", "by the Vestorine team"),
        QStringLiteral("https://vestorine.org/"),
        words.translate("About", "OK"),
    };
}

ErrorTexts errors(int language) {
    const Catalog words(language);
    return {
        //: The settings-write box's title: "Erreur" in English and French alike, on purpose.
        words.translate("Errors", "Erreur"),
        QStringLiteral("Vestorine"),
        //: The settings-write box's first line, the same in English and French, on purpose.
        words.translate("Errors", "Err vestorine.ini"),
        //: %1 the statistics file's path.
        words.translate("Errors", "Err statistics.ini\n%1"),
        //: The button that closes a box.
        words.translate("Errors", "OK"),
    };
}

QString cause(int language, int error) {
    const FileTexts words = files(language);
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return words.noSpace;
    case EACCES:
    case EPERM:
        return words.denied;
    case EROFS:
        return words.readOnly;
    case EISDIR:
        return words.isFolder;
    case ENOTDIR:
        return words.notAFolder;
    case ENOENT:
        return words.missing;
    case EIO:
        return words.inputOutput;
    default:
        return words.otherCause.arg(error);
    }
}

} // namespace texts
