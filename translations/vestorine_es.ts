<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>A propos de Vestorine</source>
        <extracomment>The About window keeps its texts in English and French alike, on purpose; other languages translate them.</extracomment>
        <translation>Acerca de Vestorine</translation>
    </message>
    <message>
        <source>by the Vestorine team</source>
        <translation>por el equipo de Vestorine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Announce</name>
    <message>
        <source>Dealing the cards</source>
        <translation>Repartiendo las cartas</translation>
    </message>
    <message>
        <source>No unfinished game to resume</source>
        <translation>No hay ninguna partida sin terminar que reanudar</translation>
    </message>
    <message>
        <source>An unfinished game is kept: Ctrl+R resumes it</source>
        <translation>Hay una partida sin terminar guardada: Ctrl+R la reanuda</translation>
    </message>
    <message>
        <source>laid in row %1, column %2</source>
        <translation>colocada en la fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>BackChooser</name>
    <message>
        <source>CARDS DECK</source>
        <translation>REVERSO DE LAS CARTAS</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <translation>Haz clic en un reverso o</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>reversos de las cartas</translation>
    </message>
    <message>
        <source>waves</source>
        <extracomment>The card backs, as a screen reader names them: the pictures first.</extracomment>
        <translation>olas</translation>
    </message>
    <message>
        <source>stars</source>
        <translation>estrellas</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>castillo</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>peces</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>hojas</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>flores</translation>
    </message>
    <message>
        <source>compass rose</source>
        <translation>rosa de los vientos</translation>
    </message>
    <message>
        <source>shells</source>
        <translation>conchas</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>rombos</translation>
    </message>
    <message>
        <source>rings</source>
        <translation>anillos</translation>
    </message>
    <message>
        <source>crosshatch, maroon</source>
        <extracomment>Then the crosshatch in its four colours.</extracomment>
        <translation>rayado cruzado, granate</translation>
    </message>
    <message>
        <source>crosshatch, red</source>
        <translation>rayado cruzado, rojo</translation>
    </message>
    <message>
        <source>crosshatch, yellow</source>
        <translation>rayado cruzado, amarillo</translation>
    </message>
    <message>
        <source>crosshatch, sky blue</source>
        <translation>rayado cruzado, azul cielo</translation>
    </message>
    <message>
        <source>CARDS DECK</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Dos des cartes&quot;). Translate it as the usual caption.</extracomment>
        <translation>REVERSO DE LAS CARTAS</translation>
    </message>
    <message>
        <source>Click the deck to use or</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Cliquez le dos de votre choix ou&quot;). Translate it as the usual text.</extracomment>
        <translation>Haz clic en un reverso o</translation>
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
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
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
        <translation>Repetir este reparto</translation>
    </message>
    <message>
        <source>Replay this deal (no. %1)</source>
        <translation>Repetir este reparto (n.º %1)</translation>
    </message>
    <message>
        <source>Choose a deal…</source>
        <translation>Elegir un reparto…</translation>
    </message>
    <message>
        <source>Choose a deal</source>
        <translation>Elegir un reparto</translation>
    </message>
    <message>
        <source>Deal number:</source>
        <translation>Número de reparto:</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type a whole number from 1 to %1.</source>
        <translation>Escribe un número entero del 1 al %1.</translation>
    </message>
    <message>
        <source>deal %1</source>
        <translation>reparto %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Erreur</source>
        <extracomment>The settings-write box&apos;s title: &quot;Erreur&quot; in English and French alike, on purpose.</extracomment>
        <translation>Error</translation>
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
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Resume the unfinished game</source>
        <translation>Reanudar la partida sin terminar</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2. The defaults are used, the file is left as it is.</source>
        <translation>No se puede leer el archivo «%1»: %2. Se usan los valores predeterminados y el archivo se deja como está.</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;: %2. They will not be kept for the next run.</source>
        <translation>No se ha podido guardar la configuración en «%1»: %2. No se conservará para la próxima vez.</translation>
    </message>
    <message>
        <source>The counts could not be written: %1. They are kept until the next write succeeds; if none does before the game closes, you are told how many games went uncounted.</source>
        <translation>No se han podido guardar los contadores: %1. Se conservan hasta que se consiga guardarlos; si no se consigue antes de cerrar el juego, se te indicará cuántas partidas han quedado sin contar.</translation>
    </message>
    <message>
        <source>The statistics file was damaged; it is kept as &quot;%1&quot;. Counting starts again.</source>
        <translation>El archivo de estadísticas estaba dañado; se conserva como «%1». El recuento vuelve a empezar desde cero.</translation>
    </message>
    <message>
        <source>The game in progress could not be written to &quot;%1&quot;: %2. It cannot be resumed after a close or a crash until a later write succeeds.</source>
        <translation>No se ha podido guardar la partida en curso en «%1»: %2. No se podrá reanudar tras un cierre o un fallo hasta que se consiga guardarla.</translation>
    </message>
    <message>
        <source>A saved game was damaged and cannot be resumed; if it had begun, it counts as abandoned. It is kept as:
%1</source>
        <translation>Una partida guardada estaba dañada y no se puede reanudar; si ya había empezado, cuenta como abandonada. Se conserva como:
%1</translation>
    </message>
    <message>
        <source>A folder stood where a saved game belongs. Nothing in it was touched; it was moved to:
%1</source>
        <translation>Había una carpeta en el lugar de una partida guardada. No se ha tocado nada de su contenido; se ha movido a:
%1</translation>
    </message>
    <message>
        <source>Games that could not be counted in the statistics: %1. The file &quot;%2&quot; could not be written until the end.</source>
        <translation>Partidas que no se han podido contar en las estadísticas: %1. No se ha podido guardar el archivo «%2» hasta el final.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>a folder on its path is a file</source>
        <translation>una carpeta de su ruta es un archivo</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>el disco ha dado un error de entrada/salida</translation>
    </message>
    <message>
        <source>an unexpected system error (code %1)</source>
        <translation>un error inesperado del sistema (código %1)</translation>
    </message>
</context>
<context>
    <name>Lottery</name>
    <message>
        <source>Good Luck !</source>
        <translation>¡Buena suerte!</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <translation>¡Hoy estás de suerte! Imaginemos una combinación de lotería...</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>número %1</translation>
    </message>
    <message>
        <source>complementary number</source>
        <translation>número complementario</translation>
    </message>
    <message>
        <source>draw the %1</source>
        <translation>sacar el %1</translation>
    </message>
    <message>
        <source>Good Luck !</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;Bonne Chance&quot;, without the &quot;!&quot;). Translate it as the usual caption.</extracomment>
        <translation>¡Buena suerte!</translation>
    </message>
    <message>
        <source>You are lucky today ! Let&apos;s imagine a loto serial ...</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (it ends with four dots). Translate it as the usual text.</extracomment>
        <translation>¡Hoy estás de suerte! Imaginemos una combinación de lotería...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Cards deck</source>
        <translation>Reverso de las cartas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>readme</source>
        <translation>léeme</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <translation>Acerca de Vestorine</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>The Quit item. The English and French menus both say &quot;Quitter&quot;, on purpose; other languages say their own Quit.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French, before any language is chosen; then the Deal item takes its usual text. Translate it as &quot;New game&quot;.</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>readme</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;lisezmoi&quot;, without the underscore of the usual text). Translate it as &quot;readme&quot;.</extracomment>
        <translation>léeme</translation>
    </message>
    <message>
        <source>About Vestorine</source>
        <comment>first start</comment>
        <extracomment>Shown only on the very first start, in French (&quot;A propos de ...&quot;). Translate it as &quot;About…&quot;.</extracomment>
        <translation>Acerca de Vestorine</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>%1 goes to column %2, row %3</source>
        <translation>%1 va a la columna %2, fila %3</translation>
    </message>
    <message>
        <source>%1 goes to column %2, a free row: %3</source>
        <translation>%1 va a la columna %2, en una fila libre: %3</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>no cards dealt: F2 or Ctrl+N deals</source>
        <translation>no hay cartas repartidas: F2 o Ctrl+N reparte</translation>
    </message>
    <message>
        <source>any card starts the chain</source>
        <translation>cualquier carta empieza la cadena</translation>
    </message>
    <message>
        <source>empty: the first card was here</source>
        <translation>vacía: aquí estaba la primera carta</translation>
    </message>
    <message>
        <source>already face up</source>
        <translation>ya está boca arriba</translation>
    </message>
    <message>
        <source>the game is over: F2 or Ctrl+N deals again</source>
        <translation>la partida ha terminado: F2 o Ctrl+N vuelve a repartir</translation>
    </message>
    <message>
        <source>the chain is closed: turn up the face-down cards, N finds the next</source>
        <translation>la cadena está cerrada: da la vuelta a las cartas boca abajo, N busca la siguiente</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>borde</translation>
    </message>
    <message>
        <source>row %1 %2</source>
        <translation>fila %1 %2</translation>
    </message>
    <message>
        <source>row %1 free</source>
        <translation>fila %1 libre</translation>
    </message>
    <message>
        <source>first card: row %1, column %2</source>
        <translation>primera carta: fila %1, columna %2</translation>
    </message>
    <message>
        <source>no card turned up yet</source>
        <translation>aún no se ha dado la vuelta a ninguna carta</translation>
    </message>
    <message>
        <source>no card face down</source>
        <translation>ninguna carta boca abajo</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carta boca abajo</translation>
    </message>
    <message>
        <source>%1 cards face down</source>
        <translation>%1 cartas boca abajo</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>down</source>
        <translation>tapada</translation>
    </message>
    <message>
        <source>Keyboard and screen reader</source>
        <translation>Teclado y lector de pantalla</translation>
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
        <translation>En la mesa:
Flechas: de casilla en casilla. Inicio, Fin: primera y última columna. Ctrl+Inicio, Ctrl+Fin: primera y última casilla.
A K Q J (as, rey, reina, jota), T o 1 (diez), 9 8 7: la columna de ese valor en la fila actual.
Intro o Espacio: coger, colocar o dar la vuelta a la carta de la casilla.
H: a la casilla donde va el talón. N: a la siguiente carta boca abajo.
W: el talón y adónde va. R: las filas y sus palos. F: la casilla de la primera carta.
D: las cartas boca abajo. S: toda la mesa, fila por fila. L: la fila actual.
F2 o Ctrl+N: repartir. Alt: los menús. Esc cierra esta ventana.</translation>
    </message>
    <message>
        <source>F2 or Ctrl+N deals. The keys are listed in the ? menu, Keyboard and screen reader.</source>
        <translation>F2 o Ctrl+N reparte. Las teclas están en el menú ?, Teclado y lector de pantalla.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>by the chain alone</source>
        <extracomment>Games won, of which: won by the chain alone.</extracomment>
        <translation>solo con la cadena</translation>
    </message>
    <message>
        <source>at the reveal</source>
        <extracomment>Games won, of which: won when the remaining cards were turned up.</extracomment>
        <translation>al destapar el resto</translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation>Partidas perdidas</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Partidas abandonadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Racha actual de victorias</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Mejor racha de victorias</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Set every count to zero?</source>
        <translation>¿Poner a cero todos los contadores?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Haz clic en el botón para repartir</translation>
    </message>
    <message>
        <source>Click a card</source>
        <translation>Haz clic en una carta</translation>
    </message>
    <message>
        <source>Move the talon to its ranking place</source>
        <translation>Lleva el talón a su casilla</translation>
    </message>
    <message>
        <source>Click the remaining cards</source>
        <translation>Haz clic en las cartas restantes</translation>
    </message>
    <message>
        <source>!!! Sorry, you loose !!!</source>
        <extracomment>&quot;loose&quot; is the game&apos;s own spelling, kept on purpose in English. Translate the meaning: the player has lost.</extracomment>
        <translation>¡¡¡ Lo siento, has perdido !!!</translation>
    </message>
    <message>
        <source>*** You succeed, bravo ***</source>
        <translation>*** Has ganado, bravo ***</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>card grid, 4 rows of 8 cells</source>
        <translation>cuadrícula de cartas, 4 filas de 8 casillas</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>talon: %1</source>
        <translation>talón: %1</translation>
    </message>
    <message>
        <source>its suit owns row %1</source>
        <translation>la fila %1 es de su palo</translation>
    </message>
    <message>
        <source>its suit owns no row yet</source>
        <translation>aún no hay ninguna fila de su palo</translation>
    </message>
</context>
<context>
    <name>TableSize</name>
    <message>
        <source>Table size</source>
        <translation>Tamaño de la mesa</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: the table keeps its size.</source>
        <translation>No se puede escribir el archivo «%1»: la mesa conserva su tamaño.</translation>
    </message>
    <message>
        <source>The table will take its new size at the next start.</source>
        <translation>La mesa tendrá su nuevo tamaño la próxima vez que se inicie el juego.</translation>
    </message>
    <message>
        <source>%1% (too large for this screen)</source>
        <translation>%1 % (demasiado grande para esta pantalla)</translation>
    </message>
    <message>
        <source>Too large for this screen (needs %1 × %2, the screen offers %3 × %4)</source>
        <translation>Demasiado grande para esta pantalla (necesita %1 × %2 y la pantalla ofrece %3 × %4)</translation>
    </message>
    <message>
        <source>The table is drawn at %1%: the %2% you chose is too large for this screen. Your choice is kept for a larger screen.</source>
        <translation>La mesa se muestra al %1 %: el %2 % que has elegido es demasiado grande para esta pantalla. Tu elección se conserva para una pantalla más grande.</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Four-colour suits</source>
        <translation>Palos en cuatro colores</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>The view choices were damaged; the file is kept as &quot;%1&quot;. The usual view is used until you choose again.</source>
        <translation>Las opciones de visualización estaban dañadas; el archivo se conserva como «%1». Se usa la vista habitual hasta que vuelvas a elegir.</translation>
    </message>
</context>
</TS>
