<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>A propos de Vestorine</source>
        <extracomment>The About window keeps its texts in English and French alike, on purpose; other languages translate them.</extracomment>
        <translation>Informazioni su Vestorine</translation>
    </message>
    <message>
        <source>by the Vestorine team</source>
        <translation>a cura del team di Vestorine</translation>
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
        <translation>Distribuzione delle carte</translation>
    </message>
    <message>
        <source>No unfinished game to resume</source>
        <translation>Nessuna partita in sospeso da riprendere</translation>
    </message>
    <message>
        <source>An unfinished game is kept: Ctrl+R resumes it</source>
        <translation>C&apos;è una partita in sospeso: Ctrl+R la riprende</translation>
    </message>
    <message>
        <source>laid in row %1, column %2</source>
        <translation>posata nella riga %1, colonna %2</translation>
    </message>
</context>
<context>
    <name>BackChooser</name>
    <message>
        <source>CARDS DECK</source>
        <translation>DORSO DELLE CARTE</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <translation>Fai clic su un dorso o</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>dorsi delle carte</translation>
    </message>
    <message>
        <source>waves</source>
        <extracomment>The card backs, as a screen reader names them: the pictures first.</extracomment>
        <translation>onde</translation>
    </message>
    <message>
        <source>stars</source>
        <translation>stelle</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>castello</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>pesci</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>foglie</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sole</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>compass rose</source>
        <translation>rosa dei venti</translation>
    </message>
    <message>
        <source>shells</source>
        <translation>conchiglie</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>rombi</translation>
    </message>
    <message>
        <source>rings</source>
        <translation>anelli</translation>
    </message>
    <message>
        <source>crosshatch, maroon</source>
        <extracomment>Then the crosshatch in its four colours.</extracomment>
        <translation>tratteggio incrociato, bordeaux</translation>
    </message>
    <message>
        <source>crosshatch, red</source>
        <translation>tratteggio incrociato, rosso</translation>
    </message>
    <message>
        <source>crosshatch, yellow</source>
        <translation>tratteggio incrociato, giallo</translation>
    </message>
    <message>
        <source>crosshatch, sky blue</source>
        <translation>tratteggio incrociato, azzurro</translation>
    </message>
    <message>
        <source>CARDS DECK</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Dos des cartes&quot;). Translate it as the usual caption.</extracomment>
        <translation>DORSO DELLE CARTE</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Cliquez le dos de votre choix ou&quot;). Translate it as the usual text.</extracomment>
        <translation>Fai clic su un dorso o</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name for a screen reader: %1 its rank, %2 its suit (&quot;king of hearts&quot;).</extracomment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>Replay this deal</source>
        <translation>Rigioca questa smazzata</translation>
    </message>
    <message>
        <source>Replay this deal (no. %1)</source>
        <translation>Rigioca questa smazzata (n. %1)</translation>
    </message>
    <message>
        <source>Choose a deal…</source>
        <translation>Scegli una smazzata…</translation>
    </message>
    <message>
        <source>Choose a deal</source>
        <translation>Scegli una smazzata</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Numero della smazzata:</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuisci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Type a whole number from 1 to %1.</source>
        <translation>Digita un numero intero da 1 a %1.</translation>
    </message>
    <message>
        <source>deal %1</source>
        <translation>smazzata %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Erreur</source>
        <extracomment>The settings-write box&apos;s title: &quot;Erreur&quot; in English and French alike, on purpose.</extracomment>
        <translation>Errore</translation>
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
        <translation>Errore</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Riprendi la partita in sospeso</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2. The defaults are used, the file is left as it is.</source>
        <translation>Impossibile leggere il file «%1»: %2. Vengono usate le impostazioni predefinite e il file resta com&apos;è.</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;: %2. They will not be kept for the next run.</source>
        <translation>Impossibile scrivere le impostazioni in «%1»: %2. Non verranno conservate per il prossimo avvio.</translation>
    </message>
    <message>
        <source>The counts could not be written: %1. They are kept until the next write succeeds; if none does before the game closes, you are told how many games went uncounted.</source>
        <translation>Impossibile scrivere i conteggi: %1. Vengono conservati finché una scrittura non riesce; se nessuna riesce prima della chiusura del gioco, ti verrà detto quante partite non sono state conteggiate.</translation>
    </message>
    <message>
        <source>The statistics file was damaged; it is kept as &quot;%1&quot;. Counting starts again.</source>
        <translation>Il file delle statistiche era danneggiato; è stato conservato come «%1». Il conteggio riparte da zero.</translation>
    </message>
    <message>
        <source>The game in progress could not be written to &quot;%1&quot;: %2. It cannot be resumed after a close or a crash until a later write succeeds.</source>
        <translation>Impossibile scrivere la partita in corso in «%1»: %2. Finché una scrittura successiva non riesce, non potrà essere ripresa dopo una chiusura o un arresto anomalo.</translation>
    </message>
    <message>
        <source>A saved game was damaged and cannot be resumed; if it had begun, it counts as abandoned. It is kept as:
%1</source>
        <translation>Una partita salvata era danneggiata e non può essere ripresa; se era già iniziata, conta come abbandonata. È stata conservata come:
%1</translation>
    </message>
    <message>
        <source>A folder stood where a saved game belongs. Nothing in it was touched; it was moved to:
%1</source>
        <translation>Al posto di una partita salvata c&apos;era una cartella. Il suo contenuto non è stato toccato; è stata spostata in:
%1</translation>
    </message>
    <message>
        <source>Games that could not be counted in the statistics: %1. The file &quot;%2&quot; could not be written until the end.</source>
        <translation>Partite che non è stato possibile conteggiare nelle statistiche: %1. Fino alla fine non è stato possibile scrivere il file «%2».</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>una cartella del percorso è un file</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>il disco ha segnalato un errore di input/output</translation>
    </message>
    <message>
        <source>an unexpected system error (code %1)</source>
        <translation>un errore di sistema imprevisto (codice %1)</translation>
    </message>
</context>
<context>
    <name>Lottery</name>
    <message>
        <source>Good Luck !</source>
        <translation>Buona fortuna!</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <translation>Oggi è il tuo giorno fortunato! Immaginiamo una schedina del lotto...</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>numero %1</translation>
    </message>
    <message>
        <source>complementary number</source>
        <translation>numero jolly</translation>
    </message>
    <message>
        <source>draw the %1</source>
        <translation>estrai il %1</translation>
    </message>
    <message>
        <source>Good Luck !</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Bonne Chance&quot;, without the &quot;!&quot;). Translate it as the usual caption.</extracomment>
        <translation>Buona fortuna!</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (it ends with four dots). Translate it as the usual text.</extracomment>
        <translation>Oggi è il tuo giorno fortunato! Immaginiamo una schedina del lotto...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuisci</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Cards deck</source>
        <translation>Dorso delle carte</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>readme</source>
        <translation>leggimi</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <translation>Informazioni su Vestorine</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>The Quit item. The English and French menus both say &quot;Quitter&quot;, on purpose; other languages say their own Quit.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French, before any language is chosen; then the Deal item takes its usual text. Translate it as &quot;New game&quot;.</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>readme</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;lisezmoi&quot;, without the underscore of the usual text). Translate it as &quot;readme&quot;.</extracomment>
        <translation>leggimi</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;A propos de ...&quot;). Translate it as &quot;About…&quot;.</extracomment>
        <translation>Informazioni su Vestorine</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1 goes to column %2, row %3</source>
        <translation>%1 va nella colonna %2, riga %3</translation>
    </message>
    <message>
        <source>%1 goes to column %2, a free row: %3</source>
        <translation>%1 va nella colonna %2, in una riga libera: %3</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>no cards dealt: F2 or Ctrl+N deals</source>
        <translation>nessuna carta distribuita: F2 o Ctrl+N per distribuire</translation>
    </message>
    <message>
        <source>any card starts the chain</source>
        <translation>qualsiasi carta avvia la catena</translation>
    </message>
    <message>
        <source>empty: the first card was here</source>
        <translation>vuota: qui c&apos;era la prima carta</translation>
    </message>
    <message>
        <source>already face up</source>
        <translation>già scoperta</translation>
    </message>
    <message>
        <source>the game is over: F2 or Ctrl+N deals again</source>
        <translation>la partita è finita: F2 o Ctrl+N per distribuire di nuovo</translation>
    </message>
    <message>
        <source>the chain is closed: turn up the face-down cards, N finds the next</source>
        <translation>la catena è chiusa: scopri le carte coperte, N trova la prossima</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>bordo</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>riga %1 %2</translation>
    </message>
    <message>
        <source>row %1 free</source>
        <translation>riga %1 libera</translation>
    </message>
    <message>
        <source>first card: row %1, column %2</source>
        <translation>prima carta: riga %1, colonna %2</translation>
    </message>
    <message>
        <source>no card turned up yet</source>
        <translation>ancora nessuna carta scoperta</translation>
    </message>
    <message>
        <source>no card face down</source>
        <translation>nessuna carta coperta</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carta coperta</translation>
    </message>
    <message>
        <source>%1 cards face down</source>
        <translation>%1 carte coperte</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>Keyboard and screen reader</source>
        <translation>Tastiera e lettore di schermo</translation>
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
        <translation>Sul tavolo:
Frecce: da una casella all&apos;altra. Home, Fine: prima e ultima colonna. Ctrl+Home, Ctrl+Fine: prima e ultima casella.
A K Q J (asso, re, donna, fante), T o 1 (dieci), 9 8 7: la colonna di quel valore nella riga corrente.
Invio o Spazio: prendi, posa o scopri la carta della casella.
H: alla casella in cui va il tallone. N: alla prossima carta coperta.
W: il tallone e dove va. R: le righe e i loro semi. F: la casella della prima carta.
D: le carte coperte. S: tutto il tavolo, riga per riga. L: la riga corrente.
F2 o Ctrl+N: distribuisci. Alt: i menu. Esc chiude questa finestra.</translation>
    </message>
    <message>
        <source>F2 or Ctrl+N deals. The keys are listed in the ? menu, Keyboard and screen reader.</source>
        <translation>F2 o Ctrl+N per distribuire. I tasti sono elencati nel menu ?, alla voce Tastiera e lettore di schermo.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>by the chain alone</source>
        <extracomment>Games won, of which: won by the chain alone.</extracomment>
        <translation>solo con la catena</translation>
    </message>
    <message>
        <source>at the reveal</source>
        <extracomment>Games won, of which: won when the remaining cards were turned up.</extracomment>
        <translation>scoprendo le carte rimaste</translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation>Partite perse</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Partite abbandonate</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Serie di vittorie attuale</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Miglior serie di vittorie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Set every count to zero?</source>
        <translation>Azzerare tutti i conteggi?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Fai clic sul pulsante per distribuire</translation>
    </message>
    <message>
        <source>Click a card</source>
        <translation>Fai clic su una carta</translation>
    </message>
    <message>
        <source>Move the talon to its ranking place</source>
        <translation>Porta il tallone al suo posto</translation>
    </message>
    <message>
        <source>Click the remaining cards</source>
        <translation>Fai clic sulle carte rimaste</translation>
    </message>
    <message>
        <source>!!! Sorry, you loose !!!</source>
        <extracomment>&quot;loose&quot; is the game&apos;s own spelling, kept on purpose in English. Translate the meaning: the player has lost.</extracomment>
        <translation>!!! Peccato, hai perso !!!</translation>
    </message>
    <message>
        <source>*** You succeed, bravo ***</source>
        <translation>*** Hai vinto, bravo ***</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>card grid, 4 rows of 8 cells</source>
        <translation>griglia delle carte, 4 righe di 8 caselle</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>talon: %1</source>
        <translation>tallone: %1</translation>
    </message>
    <message>
        <source>its suit owns row %1</source>
        <translation>il suo seme ha la riga %1</translation>
    </message>
    <message>
        <source>its suit owns no row yet</source>
        <translation>il suo seme non ha ancora una riga</translation>
    </message>
</context>
<context>
    <name>TableSize</name>
    <message>
        <source>Table size</source>
        <translation>Dimensione del tavolo</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: the table keeps its size.</source>
        <translation>Impossibile scrivere il file «%1»: il tavolo mantiene la dimensione attuale.</translation>
    </message>
    <message>
        <source>The table will take its new size at the next start.</source>
        <translation>Il tavolo avrà la nuova dimensione al prossimo avvio.</translation>
    </message>
    <message>
        <source>%1% (too large for this screen)</source>
        <translation>%1% (troppo grande per questo schermo)</translation>
    </message>
    <message>
        <source>Too large for this screen (needs %1 × %2, the screen offers %3 × %4)</source>
        <translation>Troppo grande per questo schermo (servono %1 × %2, lo schermo offre %3 × %4)</translation>
    </message>
    <message>
        <source>The table is drawn at %1%: the %2% you chose is too large for this screen. Your choice is kept for a larger screen.</source>
        <translation>Il tavolo è disegnato al %1%: il %2% che hai scelto è troppo grande per questo schermo. La tua scelta viene conservata per uno schermo più grande.</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Semi a quattro colori</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossibile scrivere il file «%1».</translation>
    </message>
    <message>
        <source>The view choices were damaged; the file is kept as &quot;%1&quot;. The usual view is used until you choose again.</source>
        <translation>Le scelte di visualizzazione erano danneggiate; il file è stato conservato come «%1». Viene usata la visualizzazione consueta finché non scegli di nuovo.</translation>
    </message>
</context>
</TS>
