<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>A propos de Vestorine</source>
        <extracomment>The About window keeps its texts in English and French alike, on purpose; other languages translate them.</extracomment>
        <translation>A propos de Vestorine</translation>
    </message>
    <message>
        <source>by the Vestorine team</source>
        <translation>by the Vestorine team</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Announce</name>
    <message>
        <source>Dealing the cards</source>
        <translation>Distribution des cartes</translation>
    </message>
    <message>
        <source>No unfinished game to resume</source>
        <translation>Aucune partie en cours à reprendre</translation>
    </message>
    <message>
        <source>An unfinished game is kept: Ctrl+R resumes it</source>
        <translation>Une partie en cours est gardée : Ctrl+R la reprend</translation>
    </message>
    <message>
        <source>laid in row %1, column %2</source>
        <translation>posée rangée %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>BackChooser</name>
    <message>
        <source>CARDS DECK</source>
        <translation>DOS DES CARTES</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <translation>Cliquez le dos à utiliser ou</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>dos des cartes</translation>
    </message>
    <message>
        <source>waves</source>
        <extracomment>The card backs, as a screen reader names them: the pictures first.</extracomment>
        <translation>vagues</translation>
    </message>
    <message>
        <source>stars</source>
        <translation>étoiles</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>château</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>poissons</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>feuilles</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>fleurs</translation>
    </message>
    <message>
        <source>compass rose</source>
        <translation>rose des vents</translation>
    </message>
    <message>
        <source>shells</source>
        <translation>coquillages</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>losanges</translation>
    </message>
    <message>
        <source>rings</source>
        <translation>anneaux</translation>
    </message>
    <message>
        <source>crosshatch, maroon</source>
        <extracomment>Then the crosshatch in its four colours.</extracomment>
        <translation>hachures, bordeaux</translation>
    </message>
    <message>
        <source>crosshatch, red</source>
        <translation>hachures, rouge</translation>
    </message>
    <message>
        <source>crosshatch, yellow</source>
        <translation>hachures, jaune</translation>
    </message>
    <message>
        <source>crosshatch, sky blue</source>
        <translation>hachures, bleu ciel</translation>
    </message>
    <message>
        <source>CARDS DECK</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Dos des cartes&quot;). Translate it as the usual caption.</extracomment>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Cliquez le dos de votre choix ou&quot;). Translate it as the usual text.</extracomment>
        <translation>Cliquez le dos de votre choix ou</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for a screen reader: %1 its rank, %2 its suit (&quot;king of hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>Replay this deal</source>
        <translation>Rejouer cette donne</translation>
    </message>
    <message>
        <source>Replay this deal (no. %1)</source>
        <translation>Rejouer cette donne (n° %1)</translation>
    </message>
    <message>
        <source>Choose a deal…</source>
        <translation>Choisir une donne…</translation>
    </message>
    <message>
        <source>Choose a deal</source>
        <translation>Choisir une donne</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Numéro de la donne :</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type a whole number from 1 to %1.</source>
        <translation>Tapez un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>deal %1</source>
        <translation>donne %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Erreur</source>
        <extracomment>The settings-write box&apos;s title: &quot;Erreur&quot; in English and French alike, on purpose.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Err vestorine.ini</source>
        <extracomment>The settings-write box&apos;s first line, the same in English and French, on purpose.</extracomment>
        <translation>Err vestorine.ini</translation>
    </message>
    <message>
        <source>Err statistics.ini
%1</source>
        <extracomment>%1 the statistics file&apos;s path.</extracomment>
        <translation>Err statistics.ini
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a box.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Reprendre la partie en cours</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2. The defaults are used, the file is left as it is.</source>
        <translation>Impossible de lire le fichier « %1 » : %2. Les réglages par défaut sont utilisés, le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;: %2. They will not be kept for the next run.</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans « %1 » : %2. Ils ne seront pas gardés pour la prochaine fois.</translation>
    </message>
    <message>
        <source>The counts could not be written: %1. They are kept until the next write succeeds; if none does before the game closes, you are told how many games went uncounted.</source>
        <translation>Les compteurs n&apos;ont pas pu être écrits : %1. Ils sont gardés jusqu&apos;à la prochaine écriture réussie ; si aucune ne réussit avant la fermeture du jeu, vous saurez combien de parties n&apos;ont pas été comptées.</translation>
    </message>
    <message>
        <source>The statistics file was damaged; it is kept as &quot;%1&quot;. Counting starts again.</source>
        <translation>Le fichier des statistiques était endommagé ; il est gardé sous « %1 ». Le décompte repart de zéro.</translation>
    </message>
    <message>
        <source>The game in progress could not be written to &quot;%1&quot;: %2. It cannot be resumed after a close or a crash until a later write succeeds.</source>
        <translation>La partie en cours n&apos;a pas pu être écrite dans « %1 » : %2. Elle ne pourra pas être reprise après une fermeture ou un plantage tant qu&apos;une écriture suivante n&apos;aura pas réussi.</translation>
    </message>
    <message>
        <source>A saved game was damaged and cannot be resumed; if it had begun, it counts as abandoned. It is kept as:
%1</source>
        <translation>Une partie enregistrée était endommagée et ne peut pas être reprise ; si elle était commencée, elle compte comme abandonnée. Elle est gardée sous :
%1</translation>
    </message>
    <message>
        <source>A folder stood where a saved game belongs. Nothing in it was touched; it was moved to:
%1</source>
        <translation>Un dossier se trouvait à la place d&apos;une partie enregistrée. Rien n&apos;y a été touché ; il a été déplacé sous :
%1</translation>
    </message>
    <message>
        <source>Games that could not be counted in the statistics: %1. The file &quot;%2&quot; could not be written until the end.</source>
        <translation>Parties qui n&apos;ont pas pu être comptées dans les statistiques : %1. Le fichier « %2 » n&apos;a pas pu être écrit jusqu&apos;à la fin.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>l&apos;accès est refusé</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>un dossier de son chemin est un fichier</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>le disque signale une erreur d&apos;entrée-sortie</translation>
    </message>
    <message>
        <source>an unexpected system error (code %1)</source>
        <translation>une erreur inattendue du système (code %1)</translation>
    </message>
</context>
<context>
    <name>Lottery</name>
    <message>
        <source>Good Luck !</source>
        <translation>Bonne Chance !</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <translation>C&apos;est votre jour de chance ! Imaginons une grille de loto ...</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>numéro %1</translation>
    </message>
    <message>
        <source>complementary number</source>
        <translation>numéro complémentaire</translation>
    </message>
    <message>
        <source>draw the %1</source>
        <translation>tirer le %1</translation>
    </message>
    <message>
        <source>Good Luck !</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Bonne Chance&quot;, without the &quot;!&quot;). Translate it as the usual caption.</extracomment>
        <translation>Bonne Chance</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (it ends with four dots). Translate it as the usual text.</extracomment>
        <translation>C&apos;est votre jour de chance ! Imaginons une grille de loto ....</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Cards deck</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>readme</source>
        <translation>lisez_moi</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <translation>A propos de</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>The Quit item. The English and French menus both say &quot;Quitter&quot;, on purpose; other languages say their own Quit.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French, before any language is chosen; then the Deal item takes its usual text. Translate it as &quot;New game&quot;.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>readme</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;lisezmoi&quot;, without the underscore of the usual text). Translate it as &quot;readme&quot;.</extracomment>
        <translation>lisezmoi</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;A propos de ...&quot;). Translate it as &quot;About…&quot;.</extracomment>
        <translation>A propos de ...</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1 goes to column %2, row %3</source>
        <translation>%1 va en colonne %2, rangée %3</translation>
    </message>
    <message>
        <source>%1 goes to column %2, a free row: %3</source>
        <translation>%1 va en colonne %2, une rangée libre : %3</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>no cards dealt: F2 or Ctrl+N deals</source>
        <translation>aucune donne : F2 ou Ctrl+N distribue</translation>
    </message>
    <message>
        <source>any card starts the chain</source>
        <translation>n&apos;importe quelle carte commence la chaîne</translation>
    </message>
    <message>
        <source>empty: the first card was here</source>
        <translation>vide : la première carte était ici</translation>
    </message>
    <message>
        <source>already face up</source>
        <translation>déjà retournée</translation>
    </message>
    <message>
        <source>the game is over: F2 or Ctrl+N deals again</source>
        <translation>la partie est finie : F2 ou Ctrl+N redistribue</translation>
    </message>
    <message>
        <source>the chain is closed: turn up the face-down cards, N finds the next</source>
        <translation>la chaîne est fermée : retournez les cartes cachées, N trouve la suivante</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>bord</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>rangée %1 %2</translation>
    </message>
    <message>
        <source>row %1 free</source>
        <translation>rangée %1 libre</translation>
    </message>
    <message>
        <source>first card: row %1, column %2</source>
        <translation>première carte : rangée %1, colonne %2</translation>
    </message>
    <message>
        <source>no card turned up yet</source>
        <translation>aucune carte retournée</translation>
    </message>
    <message>
        <source>no card face down</source>
        <translation>aucune carte cachée</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carte cachée</translation>
    </message>
    <message>
        <source>%1 cards face down</source>
        <translation>%1 cartes cachées</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>rangée %1 : %2</translation>
    </message>
    <message>
        <source>down</source>
        <translation>cachée</translation>
    </message>
    <message>
        <source>Keyboard and screen reader</source>
        <translation>Clavier et lecteur d&apos;écran</translation>
    </message>
    <message>
        <source>On the table:
Arrows: move from cell to cell. Home, End: first and last column. Ctrl+Home, Ctrl+End: first and last cell.
A K Q J, T or 1, 9 8 7: the column of that rank in the current row.
Return or Space: pick, lay or turn up the card of the cell.
H: to the talon&apos;s home cell. N: to the next face-down card.
W: the talon and where it goes. R: the rows and their suits. F: the first card&apos;s cell.
D: the cards face down. S: the whole table, row by row. L: the current row.
F2 or Ctrl+N: deal. Alt: the menus. Escape closes this window.</source>
        <translation>Sur la table :
Flèches : de case en case. Origine, Fin : première et dernière colonne. Ctrl+Origine, Ctrl+Fin : première et dernière case.
A K Q J, T ou 1, 9 8 7 : la colonne de ce rang dans la rangée.
Entrée ou Espace : prendre, poser ou retourner la carte de la case.
H : la case où va le talon. N : la prochaine carte cachée.
W : le talon et où il va. R : les rangées et leurs couleurs. F : la case de la première carte.
D : les cartes cachées. S : toute la table, rangée par rangée. L : la rangée courante.
F2 ou Ctrl+N : distribuer. Alt : les menus. Échap ferme cette fenêtre.</translation>
    </message>
    <message>
        <source>F2 or Ctrl+N deals. The keys are listed in the ? menu, Keyboard and screen reader.</source>
        <translation>F2 ou Ctrl+N distribue. Les touches sont dans le menu ?, Clavier et lecteur d&apos;écran.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>by the chain alone</source>
        <extracomment>Games won, of which: won by the chain alone.</extracomment>
        <translation>par la chaîne seule</translation>
    </message>
    <message>
        <source>at the reveal</source>
        <extracomment>Games won, of which: won when the remaining cards were turned up.</extracomment>
        <translation>en découvrant le reste</translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation>Parties perdues</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Parties abandonnées</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de réussite</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Meilleure série de victoires</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Set every count to zero?</source>
        <translation>Remettre tous les compteurs à zéro ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A figure as a screen reader says it: %1 the row&apos;s label, %2 its figure.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click the button to deal</source>
        <translation>Cliquez le bouton pour distribuer</translation>
    </message>
    <message>
        <source>Click a card</source>
        <translation>Cliquez une carte</translation>
    </message>
    <message>
        <source>Move the talon to its ranking place</source>
        <translation>Déplacez le talon sur sa position de rangement</translation>
    </message>
    <message>
        <source>Click the remaining cards</source>
        <translation>Cliquez les cartes restantes</translation>
    </message>
    <message>
        <source>!!! Sorry, you loose !!!</source>
        <extracomment>&quot;loose&quot; is the game&apos;s own spelling, kept on purpose in English. Translate the meaning: the player has lost.</extracomment>
        <translation>!!! Perdu, désolé !!!</translation>
    </message>
    <message>
        <source>*** You succeed, bravo ***</source>
        <translation>*** Gagné, bravo ***</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>card grid, 4 rows of 8 cells</source>
        <translation>grille des cartes, 4 rangées de 8 cases</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>rangée %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>talon: %1</source>
        <translation>talon : %1</translation>
    </message>
    <message>
        <source>its suit owns row %1</source>
        <translation>sa couleur tient la rangée %1</translation>
    </message>
    <message>
        <source>its suit owns no row yet</source>
        <translation>sa couleur ne tient encore aucune rangée</translation>
    </message>
</context>
<context>
    <name>TableSize</name>
    <message>
        <source>Table size</source>
        <translation>Taille de la table</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: the table keeps its size.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 » : la table garde sa taille.</translation>
    </message>
    <message>
        <source>The table will take its new size at the next start.</source>
        <translation>La table prendra sa nouvelle taille au prochain démarrage.</translation>
    </message>
    <message>
        <source>%1% (too large for this screen)</source>
        <translation>%1 % (trop grande pour cet écran)</translation>
    </message>
    <message>
        <source>Too large for this screen (needs %1 × %2, the screen offers %3 × %4)</source>
        <translation>Trop grande pour cet écran (il lui faut %1 × %2, l&apos;écran offre %3 × %4)</translation>
    </message>
    <message>
        <source>The table is drawn at %1%: the %2% you chose is too large for this screen. Your choice is kept for a larger screen.</source>
        <translation>La table est dessinée à %1 % : les %2 % que vous avez choisis sont trop grands pour cet écran. Votre choix reste gardé pour un écran plus grand.</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Quatre couleurs</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>The view choices were damaged; the file is kept as &quot;%1&quot;. The usual view is used until you choose again.</source>
        <translation>Les choix d&apos;affichage étaient endommagés ; le fichier est gardé sous « %1 ». L&apos;affichage habituel est utilisé jusqu&apos;à un nouveau choix.</translation>
    </message>
</context>
</TS>
