#include "common/WindowTexts.h"

#include "Messages.h"

#include <cerrno>

namespace {

template <class T> const T& pick(int language, const T& english, const T& french) {
    return language == vestorine::English ? english : french;
}

constexpr texts::MainTexts EnglishMain{
    "File", "Deal", "Statistics", "Cards deck", "Language", "View", "readme", "About Vestorine",
};
constexpr texts::MainTexts FrenchMain{
    "Fichier", "Distribuer", "Statistiques", "Dos des cartes",
    "Langue",  "Affichage",  "lisez_moi",    "A propos de",
};

constexpr texts::MainStartTexts MainAtStart{
    "VESTORINE",
    "Fichier",
    "Nouvelle partie",
    "Statistiques",
    "Quitter",
    "Dos des cartes",
    "Langue",
    "Affichage",
    "English",
    "Français",
    "?",
    "lisezmoi",
    "A propos de ...",
    "loto (caché)",
    "Distribuer",
    "          A                 K                 Q                  J                  10        "
    "          9                  8                 7   ",
};

constexpr texts::TableSizeTexts EnglishTableSize{
    "Table size",
    "%1%",
    "Cannot write the file \"%1\": the table keeps its size.",
    "The table will take its new size at the next start.",
    "%1% (too large for this screen)",
    "Too large for this screen (needs %1 × %2, the screen offers %3 × %4)",
    "The table is drawn at %1%: the %2% you chose is too large for this screen. Your choice is "
    "kept for a larger screen.",
};
constexpr texts::TableSizeTexts FrenchTableSize{
    "Taille de la table",
    "%1 %",
    "Impossible d'écrire le fichier « %1 » : la table garde sa taille.",
    "La table prendra sa nouvelle taille au prochain démarrage.",
    "%1 % (trop grande pour cet écran)",
    "Trop grande pour cet écran (il lui faut %1 × %2, l'écran offre %3 × %4)",
    "La table est dessinée à %1 % : les %2 % que vous avez choisis sont trop grands pour cet "
    "écran. Votre choix reste gardé pour un écran plus grand.",
};

constexpr texts::AnnounceTexts EnglishAnnounce{
    "Dealing the cards",
    "No unfinished game to resume",
    "An unfinished game is kept: Ctrl+R resumes it",
    "laid in row %1, column %2",
};
constexpr texts::AnnounceTexts FrenchAnnounce{
    "Distribution des cartes",
    "Aucune partie en cours à reprendre",
    "Une partie en cours est gardée : Ctrl+R la reprend",
    "posée rangée %1, colonne %2",
};

constexpr texts::TableTexts EnglishTable{
    "card grid, 4 rows of 8 cells", "row %1, column %2: %3",    "face down", "empty", "talon: %1",
    "its suit owns row %1",         "its suit owns no row yet",
};
constexpr texts::TableTexts FrenchTable{
    "grille des cartes, 4 rangées de 8 cases",
    "rangée %1, colonne %2 : %3",
    "face cachée",
    "vide",
    "talon : %1",
    "sa couleur tient la rangée %1",
    "sa couleur ne tient encore aucune rangée",
};

constexpr texts::SpokenTexts EnglishSpoken{
    "%1 goes to column %2, row %3",
    "%1 goes to column %2, a free row: %3",
    " or ",
    "no cards dealt: F2 or Ctrl+N deals",
    "any card starts the chain",
    "empty: the first card was here",
    "already face up",
    "the game is over: F2 or Ctrl+N deals again",
    "the chain is closed: turn up the face-down cards, N finds the next",
    "edge",
    "row %1 %2",
    "row %1 free",
    "first card: row %1, column %2",
    "no card turned up yet",
    "no card face down",
    "1 card face down",
    "%1 cards face down",
    "row %1: %2",
    "row %1: %2",
    "down",
    "Keyboard and screen reader",
    "On the table:\n"
    "Arrows: move from cell to cell. Home, End: first and last column. Ctrl+Home, Ctrl+End: first "
    "and last cell.\n"
    "A K Q J, T or 1, 9 8 7: the column of that rank in the current row.\n"
    "Return or Space: pick, lay or turn up the card of the cell.\n"
    "H: to the talon's home cell. N: to the next face-down card.\n"
    "W: the talon and where it goes. R: the rows and their suits. F: the first card's cell.\n"
    "D: the cards face down. S: the whole table, row by row. L: the current row.\n"
    "F2 or Ctrl+N: deal. Alt: the menus. Escape closes this window.",
    "F2 or Ctrl+N deals. The keys are listed in the ? menu, Keyboard and screen reader.",
};
constexpr texts::SpokenTexts FrenchSpoken{
    "%1 va en colonne %2, rangée %3",
    "%1 va en colonne %2, une rangée libre : %3",
    " ou ",
    "aucune donne : F2 ou Ctrl+N distribue",
    "n'importe quelle carte commence la chaîne",
    "vide : la première carte était ici",
    "déjà retournée",
    "la partie est finie : F2 ou Ctrl+N redistribue",
    "la chaîne est fermée : retournez les cartes cachées, N trouve la suivante",
    "bord",
    "rangée %1 %2",
    "rangée %1 libre",
    "première carte : rangée %1, colonne %2",
    "aucune carte retournée",
    "aucune carte cachée",
    "1 carte cachée",
    "%1 cartes cachées",
    "rangée %1 : %2",
    "rangée %1 : %2",
    "cachée",
    "Clavier et lecteur d'écran",
    "Sur la table :\n"
    "Flèches : de case en case. Origine, Fin : première et dernière colonne. Ctrl+Origine, "
    "Ctrl+Fin : première et dernière case.\n"
    "A K Q J, T ou 1, 9 8 7 : la colonne de ce rang dans la rangée.\n"
    "Entrée ou Espace : prendre, poser ou retourner la carte de la case.\n"
    "H : la case où va le talon. N : la prochaine carte cachée.\n"
    "W : le talon et où il va. R : les rangées et leurs couleurs. F : la case de la première "
    "carte.\n"
    "D : les cartes cachées. S : toute la table, rangée par rangée. L : la rangée courante.\n"
    "F2 ou Ctrl+N : distribuer. Alt : les menus. Échap ferme cette fenêtre.",
    "F2 ou Ctrl+N distribue. Les touches sont dans le menu ?, Clavier et lecteur d'écran.",
};

constexpr std::array<const char*, vestorine::BackChoiceCount> EnglishBacks{
    "waves",
    "stars",
    "castle",
    "fish",
    "leaves",
    "sun",
    "flowers",
    "compass rose",
    "shells",
    "robot",
    "diamonds",
    "rings",
    "crosshatch, maroon",
    "crosshatch, red",
    "crosshatch, yellow",
    "crosshatch, sky blue",
};
constexpr std::array<const char*, vestorine::BackChoiceCount> FrenchBacks{
    "vagues",
    "étoiles",
    "château",
    "poissons",
    "feuilles",
    "soleil",
    "fleurs",
    "rose des vents",
    "coquillages",
    "robot",
    "losanges",
    "anneaux",
    "hachures, bordeaux",
    "hachures, rouge",
    "hachures, jaune",
    "hachures, bleu ciel",
};
constexpr texts::BackChooserTexts EnglishChooser{
    "CARDS DECK", "Click the deck to use or", "Random", "card backs", EnglishBacks,
};
constexpr texts::BackChooserTexts FrenchChooser{
    "DOS DES CARTES", "Cliquez le dos à utiliser ou", "Aléatoire", "dos des cartes", FrenchBacks,
};
constexpr texts::BackChooserTexts ChooserAtStart{
    "Dos des cartes", "Cliquez le dos de votre choix ou", "Aléatoire", "dos des cartes",
    FrenchBacks,
};

constexpr texts::LotoTexts EnglishLoto{
    "Good Luck !", "You are lucky today ! Let's imagine a loto serial ...",
    "number %1",   "complementary number",
    "draw the %1",
};
constexpr texts::LotoTexts FrenchLoto{
    "Bonne Chance !", "C'est votre jour de chance ! Imaginons une grille de loto ...",
    "numéro %1",      "numéro complémentaire",
    "tirer le %1",
};
constexpr texts::LotoTexts LotoAtStart{
    "Bonne Chance", "C'est votre jour de chance ! Imaginons une grille de loto ....",
    "numéro %1",    "numéro complémentaire",
    "tirer le %1",
};

constexpr texts::StatsTexts EnglishStats{
    "Statistics",
    {"Games played", "Games won", "by the chain alone", "at the reveal", "Games lost",
     "Games abandoned", "Win rate", "Current winning streak", "Best winning streak"},
    "Reset",
    "Close",
    "Set every count to zero?",
    "Yes",
    "No",
};
constexpr texts::StatsTexts FrenchStats{
    "Statistiques",
    {"Parties jouées", "Parties gagnées", "par la chaîne seule", "en découvrant le reste",
     "Parties perdues", "Parties abandonnées", "Taux de réussite", "Série de victoires en cours",
     "Meilleure série de victoires"},
    "Remettre à zéro",
    "Fermer",
    "Remettre tous les compteurs à zéro ?",
    "Oui",
    "Non",
};

constexpr texts::AboutTexts About{
    "A propos de Vestorine",  "Vestorine", "Vestorine 1.0", "by the Vestorine team",
    "https://vestorine.org/", "OK",
};

constexpr texts::ErrorTexts Errors{
    "Erreur",
    "Vestorine",
    "Cannot read the file \"%1\": %2.",
    "Err vestorine.ini",
    "Err statistics.ini\n%1",
};

constexpr texts::DealTexts EnglishDeals{
    "Replay this deal", "Replay this deal (no. %1)",
    "Choose a deal…",   "Choose a deal",
    "Deal number:",     "Deal",
    "Cancel",           "Type a whole number from 1 to %1.",
    "deal %1",
};
constexpr texts::DealTexts FrenchDeals{
    "Rejouer cette donne",
    "Rejouer cette donne (n° %1)",
    "Choisir une donne…",
    "Choisir une donne",
    "Numéro de la donne :",
    "Distribuer",
    "Annuler",
    "Tapez un nombre entier de 1 à %1.",
    "donne %1",
};

constexpr texts::ViewTexts EnglishView{
    "View",
    "Four-colour suits",
    "Cannot write the file \"%1\".",
    "The view choices were damaged; the file is kept as \"%1\". The usual view is used until you "
    "choose again.",
};
constexpr texts::ViewTexts FrenchView{
    "Affichage",
    "Quatre couleurs",
    "Impossible d'écrire le fichier « %1 ».",
    "Les choix d'affichage étaient endommagés ; le fichier est gardé sous « %1 ». L'affichage "
    "habituel est utilisé jusqu'à un nouveau choix.",
};

constexpr texts::FileTexts EnglishFiles{
    "Error",
    "Resume the unfinished game",
    "Cannot read the file \"%1\": %2. The defaults are used, the file is left as it is.",
    "The settings could not be written to \"%1\": %2. They will not be kept for the next run.",
    "The counts could not be written: %1. They are kept until the next write succeeds; if none "
    "does before the game closes, you are told how many games went uncounted.",
    "The statistics file was damaged; it is kept as \"%1\". Counting starts again.",
    "The game in progress could not be written to \"%1\": %2. It cannot be resumed after a "
    "close or a crash until a later write succeeds.",
    "A saved game was damaged and cannot be resumed; if it had begun, it counts as abandoned. "
    "It is kept as:\n%1",
    "A folder stood where a saved game belongs. Nothing in it was touched; it was moved to:\n%1",
    "Games that could not be counted in the statistics: %1. The file \"%2\" could not be "
    "written until the end.",
    "the disk is full",
    "permission denied",
    "the disk is read-only",
    "it is a folder",
    "a folder on its path is a file",
    "the folder does not exist",
    "the disk reported an input/output error",
    "an unexpected system error (code %1)",
};
constexpr texts::FileTexts FrenchFiles{
    "Erreur",
    "Reprendre la partie en cours",
    "Impossible de lire le fichier « %1 » : %2. Les réglages par défaut sont utilisés, le "
    "fichier est laissé tel quel.",
    "Les réglages n'ont pas pu être écrits dans « %1 » : %2. Ils ne seront pas gardés pour la "
    "prochaine fois.",
    "Les compteurs n'ont pas pu être écrits : %1. Ils sont gardés jusqu'à la prochaine écriture "
    "réussie ; si aucune ne réussit avant la fermeture du jeu, vous saurez combien de parties "
    "n'ont pas été comptées.",
    "Le fichier des statistiques était endommagé ; il est gardé sous « %1 ». Le décompte repart "
    "de zéro.",
    "La partie en cours n'a pas pu être écrite dans « %1 » : %2. Elle ne pourra pas être reprise "
    "après une fermeture ou un plantage tant qu'une écriture suivante n'aura pas réussi.",
    "Une partie enregistrée était endommagée et ne peut pas être reprise ; si elle était "
    "commencée, elle compte comme abandonnée. Elle est gardée sous :\n%1",
    "Un dossier se trouvait à la place d'une partie enregistrée. Rien n'y a été touché ; il a été "
    "déplacé sous :\n%1",
    "Parties qui n'ont pas pu être comptées dans les statistiques : %1. Le fichier « %2 » n'a "
    "pas pu être écrit jusqu'à la fin.",
    "le disque est plein",
    "l'accès est refusé",
    "le disque est en lecture seule",
    "c'est un dossier",
    "un dossier de son chemin est un fichier",
    "le dossier n'existe pas",
    "le disque signale une erreur d'entrée-sortie",
    "une erreur inattendue du système (code %1)",
};

} // namespace

namespace texts {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLocale locale(int language) {
    return QLocale(language == vestorine::English ? QLocale::English : QLocale::French);
}

const MainTexts& mainWindow(int language) {
    return pick(language, EnglishMain, FrenchMain);
}
const MainStartTexts& mainAtStart() {
    return MainAtStart;
}
const TableSizeTexts& tableSize(int language) {
    return pick(language, EnglishTableSize, FrenchTableSize);
}
const TableTexts& table(int language) {
    return pick(language, EnglishTable, FrenchTable);
}
const SpokenTexts& spoken(int language) {
    return pick(language, EnglishSpoken, FrenchSpoken);
}
const AnnounceTexts& announce(int language) {
    return pick(language, EnglishAnnounce, FrenchAnnounce);
}
const BackChooserTexts& backChooser(int language) {
    return pick(language, EnglishChooser, FrenchChooser);
}
const BackChooserTexts& backChooserAtStart() {
    return ChooserAtStart;
}
const LotoTexts& loto(int language) {
    return pick(language, EnglishLoto, FrenchLoto);
}
const LotoTexts& lotoAtStart() {
    return LotoAtStart;
}
const char* statsFigure(int language) {
    return language == vestorine::English ? "%1: %2" : "%1 : %2";
}

const StatsTexts& stats(int language) {
    return pick(language, EnglishStats, FrenchStats);
}
const AboutTexts& about() {
    return About;
}
const ErrorTexts& errors() {
    return Errors;
}
const DealTexts& deals(int language) {
    return pick(language, EnglishDeals, FrenchDeals);
}
const ViewTexts& view(int language) {
    return pick(language, EnglishView, FrenchView);
}

const FileTexts& files(int language) {
    return pick(language, EnglishFiles, FrenchFiles);
}

QString cause(int language, int error) {
    const FileTexts& words = files(language);
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return text(words.noSpace);
    case EACCES:
    case EPERM:
        return text(words.denied);
    case EROFS:
        return text(words.readOnly);
    case EISDIR:
        return text(words.isFolder);
    case ENOTDIR:
        return text(words.notAFolder);
    case ENOENT:
        return text(words.missing);
    case EIO:
        return text(words.inputOutput);
    default:
        return text(words.otherCause).arg(error);
    }
}

} // namespace texts
