<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>A propos de Vestorine</source>
        <extracomment>The About window keeps its texts in English and French alike, on purpose; other languages translate them.</extracomment>
        <translation>Über Vestorine</translation>
    </message>
    <message>
        <source>by the Vestorine team</source>
        <translation>vom Vestorine-Team</translation>
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
        <translation>Die Karten werden gegeben</translation>
    </message>
    <message>
        <source>No unfinished game to resume</source>
        <translation>Keine unterbrochene Partie zum Fortsetzen</translation>
    </message>
    <message>
        <source>An unfinished game is kept: Ctrl+R resumes it</source>
        <translation>Eine unterbrochene Partie ist gespeichert: Strg+R setzt sie fort</translation>
    </message>
    <message>
        <source>laid in row %1, column %2</source>
        <translation>abgelegt in Reihe %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>BackChooser</name>
    <message>
        <source>CARDS DECK</source>
        <translation>KARTENRÜCKEN</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <translation>Wählen Sie einen Rücken oder</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>waves</source>
        <extracomment>The card backs, as a screen reader names them: the pictures first.</extracomment>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>Burg</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>Laub</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>compass rose</source>
        <translation>Windrose</translation>
    </message>
    <message>
        <source>shells</source>
        <translation>Muscheln</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Rauten</translation>
    </message>
    <message>
        <source>rings</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>crosshatch, maroon</source>
        <extracomment>Then the crosshatch in its four colours.</extracomment>
        <translation>Schraffur, weinrot</translation>
    </message>
    <message>
        <source>crosshatch, red</source>
        <translation>Schraffur, rot</translation>
    </message>
    <message>
        <source>crosshatch, yellow</source>
        <translation>Schraffur, gelb</translation>
    </message>
    <message>
        <source>crosshatch, sky blue</source>
        <translation>Schraffur, himmelblau</translation>
    </message>
    <message>
        <source>CARDS DECK</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Dos des cartes&quot;). Translate it as the usual caption.</extracomment>
        <translation>KARTENRÜCKEN</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Cliquez le dos de votre choix ou&quot;). Translate it as the usual text.</extracomment>
        <translation>Wählen Sie einen Rücken oder</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for a screen reader: %1 its rank, %2 its suit (&quot;king of hearts&quot;).</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>Replay this deal</source>
        <translation>Dieses Blatt erneut geben</translation>
    </message>
    <message>
        <source>Replay this deal (no. %1)</source>
        <translation>Dieses Blatt erneut geben (Nr. %1)</translation>
    </message>
    <message>
        <source>Choose a deal…</source>
        <translation>Blatt wählen…</translation>
    </message>
    <message>
        <source>Choose a deal</source>
        <translation>Blatt wählen</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Nummer des Blatts:</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type a whole number from 1 to %1.</source>
        <translation>Geben Sie eine ganze Zahl von 1 bis %1 ein.</translation>
    </message>
    <message>
        <source>deal %1</source>
        <translation>Blatt %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Erreur</source>
        <extracomment>The settings-write box&apos;s title: &quot;Erreur&quot; in English and French alike, on purpose.</extracomment>
        <translation>Fehler</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Unterbrochene Partie fortsetzen</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2. The defaults are used, the file is left as it is.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2. Es gelten die Standardeinstellungen; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;: %2. They will not be kept for the next run.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2. Beim nächsten Start stehen sie nicht mehr zur Verfügung.</translation>
    </message>
    <message>
        <source>The counts could not be written: %1. They are kept until the next write succeeds; if none does before the game closes, you are told how many games went uncounted.</source>
        <translation>Die Zählerstände konnten nicht gespeichert werden: %1. Sie bleiben erhalten, bis das Speichern wieder gelingt; gelingt es bis zum Beenden des Spiels nicht mehr, erfahren Sie, wie viele Partien nicht gezählt wurden.</translation>
    </message>
    <message>
        <source>The statistics file was damaged; it is kept as &quot;%1&quot;. Counting starts again.</source>
        <translation>Die Statistikdatei war beschädigt; sie wurde als „%1“ aufbewahrt. Die Zählung beginnt von vorn.</translation>
    </message>
    <message>
        <source>The game in progress could not be written to &quot;%1&quot;: %2. It cannot be resumed after a close or a crash until a later write succeeds.</source>
        <translation>Die laufende Partie konnte nicht in „%1“ gespeichert werden: %2. Nach dem Beenden oder einem Absturz lässt sie sich erst fortsetzen, wenn ein späteres Speichern gelingt.</translation>
    </message>
    <message>
        <source>A saved game was damaged and cannot be resumed; if it had begun, it counts as abandoned. It is kept as:
%1</source>
        <translation>Eine gespeicherte Partie war beschädigt und kann nicht fortgesetzt werden; wurde sie bereits begonnen, zählt sie als abgebrochen. Sie wurde aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>A folder stood where a saved game belongs. Nothing in it was touched; it was moved to:
%1</source>
        <translation>An der Stelle einer gespeicherten Partie befand sich ein Ordner. Sein Inhalt blieb unangetastet; er wurde verschoben nach:
%1</translation>
    </message>
    <message>
        <source>Games that could not be counted in the statistics: %1. The file &quot;%2&quot; could not be written until the end.</source>
        <translation>Partien, die nicht in der Statistik gezählt werden konnten: %1. Die Datei „%2“ konnte bis zum Schluss nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>Datenträger schreibgeschützt</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>Ziel ist ein Ordner</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>Ordner im Pfad ist eine Datei</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>Ordner existiert nicht</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>Ein-/Ausgabefehler des Datenträgers</translation>
    </message>
    <message>
        <source>an unexpected system error (code %1)</source>
        <translation>unerwarteter Systemfehler (Code %1)</translation>
    </message>
</context>
<context>
    <name>Lottery</name>
    <message>
        <source>Good Luck !</source>
        <translation>Viel Glück!</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <translation>Heute ist Ihr Glückstag! Stellen wir uns eine Lottoreihe vor …</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>Zahl %1</translation>
    </message>
    <message>
        <source>complementary number</source>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>draw the %1</source>
        <translation>%1 ziehen</translation>
    </message>
    <message>
        <source>Good Luck !</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Bonne Chance&quot;, without the &quot;!&quot;). Translate it as the usual caption.</extracomment>
        <translation>Viel Glück!</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (it ends with four dots). Translate it as the usual text.</extracomment>
        <translation>Heute ist Ihr Glückstag! Stellen wir uns eine Lottoreihe vor …</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Cards deck</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>readme</source>
        <translation>liesmich</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <translation>Über Vestorine</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>The Quit item. The English and French menus both say &quot;Quitter&quot;, on purpose; other languages say their own Quit.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French, before any language is chosen; then the Deal item takes its usual text. Translate it as &quot;New game&quot;.</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>readme</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;lisezmoi&quot;, without the underscore of the usual text). Translate it as &quot;readme&quot;.</extracomment>
        <translation>liesmich</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;A propos de ...&quot;). Translate it as &quot;About…&quot;.</extracomment>
        <translation>Über Vestorine</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1 goes to column %2, row %3</source>
        <translation>%1 kommt in Spalte %2, Reihe %3</translation>
    </message>
    <message>
        <source>%1 goes to column %2, a free row: %3</source>
        <translation>%1 kommt in Spalte %2, in eine freie Reihe: %3</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>no cards dealt: F2 or Ctrl+N deals</source>
        <translation>keine Karten gegeben: F2 oder Strg+N gibt</translation>
    </message>
    <message>
        <source>any card starts the chain</source>
        <translation>jede Karte kann die Kette beginnen</translation>
    </message>
    <message>
        <source>empty: the first card was here</source>
        <translation>leer: Hier lag die erste Karte</translation>
    </message>
    <message>
        <source>already face up</source>
        <translation>bereits aufgedeckt</translation>
    </message>
    <message>
        <source>the game is over: F2 or Ctrl+N deals again</source>
        <translation>die Partie ist vorbei: F2 oder Strg+N gibt neu</translation>
    </message>
    <message>
        <source>the chain is closed: turn up the face-down cards, N finds the next</source>
        <translation>die Kette ist geschlossen: Decken Sie die verdeckten Karten auf, N findet die nächste</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>Reihe %1 %2</translation>
    </message>
    <message>
        <source>row %1 free</source>
        <translation>Reihe %1 frei</translation>
    </message>
    <message>
        <source>first card: row %1, column %2</source>
        <translation>erste Karte: Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>no card turned up yet</source>
        <translation>noch keine Karte aufgedeckt</translation>
    </message>
    <message>
        <source>no card face down</source>
        <translation>keine Karte verdeckt</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 Karte verdeckt</translation>
    </message>
    <message>
        <source>%1 cards face down</source>
        <translation>%1 Karten verdeckt</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Reihe %1: %2</translation>
    </message>
    <message>
        <source>down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Keyboard and screen reader</source>
        <translation>Tastatur und Screenreader</translation>
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
        <translation>Auf dem Tisch:
Pfeiltasten: von Feld zu Feld. Pos1, Ende: erste und letzte Spalte. Strg+Pos1, Strg+Ende: erstes und letztes Feld.
A K Q J (Ass, König, Dame, Bube), T oder 1 (Zehn), 9 8 7: die Spalte dieses Werts in der aktuellen Reihe.
Eingabe oder Leertaste: die Karte des Felds aufnehmen, ablegen oder aufdecken.
H: zum Zielfeld des Talons. N: zur nächsten verdeckten Karte.
W: der Talon und wohin er kommt. R: die Reihen und ihre Farben. F: das Feld der ersten Karte.
D: die verdeckten Karten. S: der ganze Tisch, Reihe für Reihe. L: die aktuelle Reihe.
F2 oder Strg+N: geben. Alt: die Menüs. Esc schließt dieses Fenster.</translation>
    </message>
    <message>
        <source>F2 or Ctrl+N deals. The keys are listed in the ? menu, Keyboard and screen reader.</source>
        <translation>F2 oder Strg+N gibt. Die Tasten stehen im Menü ? unter „Tastatur und Screenreader“.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Partien</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Partien</translation>
    </message>
    <message>
        <source>by the chain alone</source>
        <extracomment>Games won, of which: won by the chain alone.</extracomment>
        <translation>allein durch die Kette</translation>
    </message>
    <message>
        <source>at the reveal</source>
        <extracomment>Games won, of which: won when the remaining cards were turned up.</extracomment>
        <translation>beim Aufdecken</translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation>Verlorene Partien</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Abgebrochene Partien</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Aktuelle Gewinnserie</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Längste Gewinnserie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Set every count to zero?</source>
        <translation>Alle Zähler auf null setzen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A figure as a screen reader says it: %1 the row&apos;s label, %2 its figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click the button to deal</source>
        <translation>Klicken Sie zum Geben auf die Schaltfläche</translation>
    </message>
    <message>
        <source>Click a card</source>
        <translation>Klicken Sie auf eine Karte</translation>
    </message>
    <message>
        <source>Move the talon to its ranking place</source>
        <translation>Ziehen Sie den Talon auf seinen Platz</translation>
    </message>
    <message>
        <source>Click the remaining cards</source>
        <translation>Klicken Sie auf die restlichen Karten</translation>
    </message>
    <message>
        <source>!!! Sorry, you loose !!!</source>
        <extracomment>&quot;loose&quot; is the game&apos;s own spelling, kept on purpose in English. Translate the meaning: the player has lost.</extracomment>
        <translation>!!! Leider verloren !!!</translation>
    </message>
    <message>
        <source>*** You succeed, bravo ***</source>
        <translation>*** Gewonnen, bravo ***</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>card grid, 4 rows of 8 cells</source>
        <translation>Kartenraster, 4 Reihen mit je 8 Feldern</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Reihe %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>talon: %1</source>
        <translation>Talon: %1</translation>
    </message>
    <message>
        <source>its suit owns row %1</source>
        <translation>seine Farbe belegt Reihe %1</translation>
    </message>
    <message>
        <source>its suit owns no row yet</source>
        <translation>seine Farbe belegt noch keine Reihe</translation>
    </message>
</context>
<context>
    <name>TableSize</name>
    <message>
        <source>Table size</source>
        <translation>Tischgröße</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: the table keeps its size.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden. Der Tisch behält seine Größe.</translation>
    </message>
    <message>
        <source>The table will take its new size at the next start.</source>
        <translation>Der Tisch erhält seine neue Größe beim nächsten Start.</translation>
    </message>
    <message>
        <source>%1% (too large for this screen)</source>
        <translation>%1 % (zu groß für diesen Bildschirm)</translation>
    </message>
    <message>
        <source>Too large for this screen (needs %1 × %2, the screen offers %3 × %4)</source>
        <translation>Zu groß für diesen Bildschirm (benötigt %1 × %2, der Bildschirm bietet %3 × %4)</translation>
    </message>
    <message>
        <source>The table is drawn at %1%: the %2% you chose is too large for this screen. Your choice is kept for a larger screen.</source>
        <translation>Der Tisch wird mit %1 % dargestellt: Die gewählten %2 % sind zu groß für diesen Bildschirm. Ihre Wahl bleibt für einen größeren Bildschirm gespeichert.</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Vier Farben</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The view choices were damaged; the file is kept as &quot;%1&quot;. The usual view is used until you choose again.</source>
        <translation>Die Ansichtseinstellungen waren beschädigt; die Datei wurde als „%1“ aufbewahrt. Bis Sie neu wählen, wird die Standardansicht verwendet.</translation>
    </message>
</context>
</TS>
