#include "common/WindowTexts.h"

#include "Messages.h"

namespace {

template <class T> const T& pick(int language, const T& english, const T& french) {
    return language == vestorine::English ? english : french;
}

constexpr texts::MainTexts EnglishMain{
    "File", "Deal", "Statistics", "Cards deck", "Language", "readme", "About Vestorine",
};
constexpr texts::MainTexts FrenchMain{
    "Fichier", "Distribuer", "Statistiques", "Dos des cartes", "Langue", "lisez_moi", "A propos de",
};

constexpr texts::MainStartTexts MainAtStart{
    "VESTORINE",
    "Fichier",
    "Nouvelle partie",
    "Statistiques",
    "Quitter",
    "Dos des cartes",
    "Langue",
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

constexpr texts::TableTexts EnglishTable{
    "card grid",
    "row %1, column %2: %3",
    "face down",
    "empty",
    "talon: %1",
    "its suit owns row %1",
    "its suit owns no row yet",
};
constexpr texts::TableTexts FrenchTable{
    "grille des cartes",
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

} // namespace

namespace texts {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const MainTexts& mainWindow(int language) {
    return pick(language, EnglishMain, FrenchMain);
}
const MainStartTexts& mainAtStart() {
    return MainAtStart;
}
const TableTexts& table(int language) {
    return pick(language, EnglishTable, FrenchTable);
}
const SpokenTexts& spoken(int language) {
    return pick(language, EnglishSpoken, FrenchSpoken);
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
const StatsTexts& stats(int language) {
    return pick(language, EnglishStats, FrenchStats);
}
const AboutTexts& about() {
    return About;
}
const ErrorTexts& errors() {
    return Errors;
}

} // namespace texts
