<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>«%1» è troppo grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» non è un numero</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Suono attivato</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Suono disattivato</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Segnale del nemico attivato</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Segnale del nemico disattivato</translation>
    </message>
</context>
<context>
    <name>GameError</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s standard text (%1) with what it concerns (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di procedura o argomento non valido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lettura oltre la fine del file</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso o al file</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Errore: %1 : %2</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Periferica non disponibile</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>, </source>
        <extracomment>Between the names of keys that do the same (&quot;Enter, Space&quot;); keep it short.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Starts the game.</source>
        <translation>Avvia il gioco.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Tasti freccia</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Ti spostano di una casella.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Attiva e disattiva i simboli dei colori.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Quando hai punti: passano da un pulsante «+» all&apos;altro.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>Su un pulsante «+»: spende un punto.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Passano da un pulsante all&apos;altro.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Preme il pulsante che ha il focus.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Fanno scorrere la guida.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Passano da un collegamento all&apos;altro.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Apre il collegamento che ha il focus.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Chiudono il messaggio.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Preme il pulsante «Attacca».</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Preme il pulsante «Fulmina».</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Preme il pulsante «Cura».</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Preme il pulsante «Ritirati».</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Selezionano tutto il testo della guida e copiano la selezione.</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>The names of keys, as keyboards in your language label them.</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Invio (tastierino)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PagSu</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PagGiù</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <extracomment>The names of the keys held with another, as in &quot;Ctrl+A&quot;.</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>A letter, a digit, Space, Esc, Return or Backspace</source>
        <translation>Una lettera, una cifra, Spazio, Esc, Invio o Backspace</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Indietro (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Croce direzionale o levetta sinistra</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Pulsanti dorsali (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Su e giù sulla croce direzionale o sulla levetta sinistra</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Chiude la sala.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Mostra la scheda completa del personaggio scelto.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Copia quella scheda come testo.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Chiede se salvare il personaggio e terminare il gioco.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Salvano il personaggio e terminano il gioco.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Torna al gioco.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Passano da un personaggio caduto all’altro; nella scheda, la fanno scorrere.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Passano tra l’elenco, la scheda e il pulsante Chiudi.</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Fanno scorrere la guida una pagina alla volta.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Spegne e riaccende il suono del gioco.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Attiva e disattiva il segnale del nemico: dopo ogni passo, un suono che indica il nemico più vicino.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloc Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloc Scorr</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>The key right of the space bar that types a keyboard&apos;s third letters.</extracomment>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Super</source>
        <extracomment>The key with the desktop&apos;s or the system&apos;s logo.</extracomment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Niente di niente, nemmeno una battaglia: da soli, sono i tasti del tuo desktop e del tuo lettore di schermo.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Dice il prossimo nemico in vista, il più vicino per primo: il suo colore e la strada per raggiungerlo. Poi ogni passo dice la strada verso quel nemico.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Dice il nemico precedente, tornando verso il più vicino.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Dice il nemico più vicino di un colore, secondo i punti del suo simbolo: 1 rosso, 2 arancione, 3 giallo, 4 verde, 5 blu, 6 indaco, 7 viola. Premuto di nuovo: il successivo di quel colore.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Leggono la guida riga per riga: un lettore di schermo legge ogni riga che raggiungi. Con Ctrl o Alt si sposta la pagina e tu resti dove sei.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>Lettera per lettera; con Ctrl, parola per parola.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>Una pagina su o giù (Spazio: giù, Maiusc+Spazio: su).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>All’inizio o alla fine della riga; con Ctrl, della guida.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Tenuto premuto con questi tasti: seleziona il testo che percorri.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Passano da un collegamento al successivo: l’elenco in cima porta a ogni parte.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>Su un collegamento: ti porta a quella parte della guida, annunciata col suo nome.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Apre la sala dei caduti: i personaggi morti.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Apre la guida.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Chiude la guida.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Qualsiasi altro tasto</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>Non fa altro che combattere un nemico che si trova sulla tua casella.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>Il tasto del tuo desktop per chiudere una finestra: salva il personaggio e termina il gioco.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>un tasto freccia che ti porta fuori dalla casella</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1 quando hai punti</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Se cammini su un nemico, lo combatti subito. Un nemico che si trova sulla tua casella (è venuto lui da te, oppure ti sei ritirato) viene combattuto al prossimo tasto che premi sulla mappa, tranne: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>ATTACCA: La tua Destrezza decide quanto spesso colpisci il nemico in battaglia. Se colpisci, la tua Forza stabilisce quanti danni infliggi.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RITIRATI: Fuggi prima del prossimo attacco nemico.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (il più recente)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, livello %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, forza %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Morto il</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Punti guadagnati</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destrezza</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Saggezza</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salute</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Abilità migliore</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Ucciso da</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>Died %1, killed by %2.
Points earned: %3 (unspent: %4).
Strength %5, Dexterity %6, Wisdom %7, Health %8, Magic %9.
Skill levels: violet %10, indigo %11, blue %12, green %13, yellow %14, orange %15, red %16.
Archive: %17

The battle&apos;s last lines:
%18</source>
        <extracomment>The whole record of a fallen character, as the hall shows and copies it. %1 the date and time of death, %2 the enemy (&quot;Red enemy, strength 12&quot;), %3 the points earned, %4 the unspent points, %5 to %9 Strength, Dexterity, Wisdom, Health and Magic, %10 to %16 the skill levels violet to red, %17 the archive&apos;s file name, %18 the battle&apos;s last lines, one a line.</extracomment>
        <translation>Morto il %1, ucciso da: %2.
Punti guadagnati: %3 (non spesi: %4).
Forza %5, Destrezza %6, Saggezza %7, Salute %8, Magia %9.
Livelli di abilità: viola %10, indaco %11, blu %12, verde %13, giallo %14, arancione %15, rosso %16.
Archivio: %17

Le ultime righe della battaglia:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuti</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell of the hall of the fallen as a screen reader says it: %1 the column (&quot;Points earned&quot;), %2 the cell.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time of a death, as a date format of Qt: d the day, MMMM the month&apos;s name, yyyy the year, HH:mm the time; quote other letters (&apos;de&apos;). The month&apos;s name keeps the date from reading two ways.</extracomment>
        <translation>d MMMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>The history of the fallen could not be read: %1</source>
        <extracomment>%1 is the history file&apos;s path and the reason it could not be read.</extracomment>
        <translation>Non è stato possibile leggere la storia dei caduti: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Nessun personaggio è ancora caduto.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Sala dei caduti</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Scheda</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Personaggi caduti, il migliore per primo: %n.</numerusform>
            <numerusform>Personaggi caduti, il migliore per primo: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Righe di %1 illeggibili e saltate: %n.</numerusform>
            <numerusform>Righe di %1 illeggibili e saltate: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Guida di Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>La battaglia</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Il tuo personaggio</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Simboli dei colori</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>Con un lettore di schermo</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Viola: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Indaco: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Blu: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Verde: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Giallo: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Arancione: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Rosso: forza da %1 a %2; una barra piena dà %3 punti.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Quando hai punti, accanto a ciascuna delle tue statistiche compare un pulsante «+»: Forza, Destrezza, Saggezza, Salute e Magia. Ogni pressione spende un punto e aumenta di uno quella statistica; per Salute e Magia aumentano sia il valore sia il suo massimo.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Attacca: tu tiri da 1 alla tua Destrezza, il nemico da 1 alla sua forza. Se il tuo tiro è più alto, colpisci e infliggi danni da 1 fino al valore della tua Forza.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Fulmina: un colpo sicuro con la magia che infligge danni da 1 fino al valore della tua Saggezza, mai più della salute del nemico e mai più della Magia che hai; costa tanta Magia quanti sono i danni che infligge. Ti serve almeno 1 punto di Magia.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Cura: trasforma la Magia in Salute, quanta te ne manca ma non più della tua Magia e non più della tua Saggezza.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Quando la tua Salute scende sotto 1, muori. Il tuo personaggio viene salvato un&apos;ultima volta, il suo file diventa un archivio chiamato Dead_ seguito dall&apos;ora e dalla data, e il gioco termina. All&apos;avvio successivo si comincia con un nuovo personaggio.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>Nella schermata del titolo</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>Sulla mappa</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>In battaglia</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>In questa guida</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>In un messaggio</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Se il file manca, il gioco lo segnala e crea un nuovo personaggio. Le tue immagini per la mappa, per te e per i nemici vanno nella cartella Graphics accanto al file.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>L&apos;archivio di un personaggio morto va in questa cartella:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>Il gioco parla con i lettori di schermo come Orca. La schermata del titolo legge le sue istruzioni. Sulla mappa ogni tasto freccia dice la tua nuova casella, e il comando «dove mi trovo» di Orca aggiunge il nemico più vicino e la strada per raggiungerlo; la revisione piatta legge le tue statistiche e i livelli di abilità. In battaglia, le righe di ogni mossa vengono lette insieme alla tua salute e alla tua magia e alla salute del nemico.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>Le righe della battaglia sono notifiche, che Orca conserva nel suo elenco dei messaggi di notifica. I suoi comandi per riascoltare le ultime o per scorrere l&apos;elenco all&apos;inizio non hanno tasti: assegna loro dei tasti nella pagina «Associazioni di tasti» delle preferenze di Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>Oltre all&apos;inglese, il gioco parla: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Parla la lingua del tuo desktop (LANGUAGE, poi LC_ALL, LC_MESSAGES e LANG). Per giocare una volta in un&apos;altra lingua, avvialo da un terminale mettendo quella lingua prima del comando, per esempio: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Consigli per un nuovo personaggio</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Sei il quadrato bianco su una mappa di %1 per %2 caselle. Cammina sui nemici colorati per combatterli, spendi i punti che ti portano le uccisioni per diventare più forte, e resta vivo.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Ogni nemico ucciso aggiunge un livello alla barra di abilità del suo colore; i livelli di abilità non contano in battaglia. Una barra ha %1 livelli: quando è piena, l&apos;uccisione successiva la fa ripartire dal livello 1 e ti dà punti, di più per i colori più forti:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 sulla mappa attiva e disattiva i simboli dei colori, e il gioco ricorda la scelta per l&apos;avvio successivo.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>I tasti freccia ti spostano di una casella alla volta. La riga in basso della mappa è la riga di guarigione: nessun nemico ci entra mai. Ogni volta che la barra sotto la mappa si riempie, circa ogni %1 secondi, stare nella riga di guarigione ti restituisce un decimo della tua Salute massima e della tua Magia massima, arrotondato per difetto, quindi niente finché un massimo è inferiore a %2.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>La barra resta ferma durante una battaglia e finché questa guida è aperta.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Quando il file è danneggiato (righe mancanti, punti che non sono un numero, o livelli di abilità che non sono numeri, negativi o troppo grandi), il gioco dice che cosa non va con un codice di errore e termina, lasciando il file esattamente com&apos;era, così che tu possa ripararlo o spostarlo.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Alcuni colori dei nemici sembrano uguali a molti occhi. I simboli dei colori segnano ogni nemico e ogni barra di abilità con dei puntini, di più per i colori più forti: rosso uno, arancione due, giallo tre, verde quattro, blu cinque, indaco sei e viola sette. Tu diventi un quadrato bianco con una cornice nera, con una croce rossa mentre sei nella riga di guarigione.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Le tue immagini nella cartella Graphics prendono il posto dei simboli, immagine per immagine.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Ci sono %1 nemici, %2 per ogni colore. Ogni colore resta nella propria fascia di righe, e le fasce si sovrappongono: il viola vicino alla parte alta della mappa, poi l&apos;indaco, il blu, il verde, il giallo e l&apos;arancione, e il rosso più in basso; l&apos;arancione e il rosso arrivano entrambi alla riga appena sopra la riga di guarigione.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>I nemici viola sono i più forti, quelli rossi i più deboli. Ogni volta che la barra sotto la mappa si riempie, ogni nemico può fare un passo, e un nemico ucciso ritorna una volta su tre.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Mostra i simboli dei colori sulla mappa e li lascia attivi.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>Con un controller</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Con un controller si gioca l&apos;intera partita, collegato prima dell&apos;avvio o durante il gioco; i tasti continuano a funzionare anche con il controller collegato.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>I pulsanti prendono il nome dalla posizione, come sulla maggior parte dei controller: A è il più basso dei quattro pulsanti a destra, B quello a destra, X quello a sinistra e Y quello in alto, qualunque lettera o simbolo mostri il tuo controller. Tenuti premuti, la croce direzionale e la levetta si ripetono come un tasto tenuto premuto. Gli altri pulsanti non fanno nulla.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>Nella sala dei caduti</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>Il gioco conserva un solo personaggio, in questo file:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>Alla domanda se salvare e uscire</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Suono</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 sul titolo, sulla mappa e in battaglia spegne il suono del gioco e lo riaccende; il gioco ricorda la scelta per l’avvio successivo, e %2 lo avvia senza suono. Senza un server audio il gioco resta muto e non ne dice nulla.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Spegne il suono del gioco finché non viene riacceso.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Viene salvato dopo ogni battaglia che lo ha cambiato, dopo ogni punto che spendi e quando chiudi la mappa. Anche una disconnessione, uno spegnimento o l’arresto del gioco da un terminale lo salvano. Una battaglia ancora in corso non viene salvata; una battaglia già vinta viene mantenuta.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>Il gioco segnala ciò che accade con brevi suoni: un passo nella fila di guarigione e la guarigione lì, un nemico che arriva accanto a te o sulla tua casella, l’inizio di una battaglia, i tuoi colpi andati a segno e mancati, una scarica, una guarigione, i colpi del nemico andati a segno e mancati, una vittoria, una barra di abilità che ricomincia e dà punti, un punto speso e la morte.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Ognuno di essi è anche mostrato sullo schermo e comunicato al lettore di schermo: nulla è detto solo con il suono.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>Dopo ogni passo sulla mappa il segnale del nemico indica il nemico più vicino: arriva da sinistra o da destra a seconda che il nemico stia alla tua sinistra o alla tua destra, tanto più di lato quanto più è lontano, e suona più acuto per un nemico sopra di te e più grave per uno sotto, così da poterlo seguire anche con un orecchio solo.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Due colpi rapidi significano che il nemico è accanto a te. Il segnale è attivo finché è in funzione un lettore di schermo; %1 sulla mappa lo attiva o lo disattiva, e il gioco ricorda la scelta.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>Dopo ogni passo sulla mappa, Orca dice anche la strada fino al nemico più vicino, per esempio «Nemico rosso: 2 caselle in alto, 1 casella a sinistra.» Un nemico che arriva accanto a te o sulla tua casella viene annunciato subito, una volta sola finché resti fermo; sulla tua casella, %1 lo combatte e un tasto freccia ti allontana. La barra sotto la mappa («Tempo prima della mossa dei nemici») non viene letta.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Per scegliere un nemico a orecchio, %1 dice il prossimo nemico in vista, il più vicino per primo, con il suo colore e la strada per raggiungerlo, e %2 quello prima. I tasti numerici da %3 a %4 dicono il nemico più vicino di un colore, secondo i punti del suo simbolo: 1 rosso, 2 arancione, 3 giallo, 4 verde, 5 blu, 6 indaco, 7 viola; premuti di nuovo, il successivo di quel colore. Dopo ogni passo senti poi la strada verso il nemico scelto, finché non è sconfitto. Nessuno di questi tasti inizia una battaglia, e nemmeno Maiusc, Ctrl, Alt, Bloc Maiusc, Ins o qualsiasi altro tasto del tuo desktop o del tuo lettore di schermo.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Questa guida si legge riga per riga con i tasti freccia; sul nome di una parte nell’elenco in cima, Invio ti porta a quella parte. Una battaglia vinta dice il nuovo livello di abilità del tuo colore; una morte dice quale nemico ti ha ucciso, la sua forza e le ultime righe della battaglia, prima che il gioco finisca. Nella sala dei caduti (%1), Su e Giù leggono un personaggio caduto dopo l’altro, Home e Fine vanno al primo e all’ultimo, e Invio legge la scheda completa.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Camminando su un nemico si apre la finestra della battaglia, e i nemici sulla mappa restano fermi finché non si chiude. Ogni battaglia estrae di nuovo la forza del nemico dall&apos;intervallo proprio di quel nemico, e la sua salute è pari a quella forza: i tre nemici di un colore sembrano uguali, ma alcuni sono più forti di altri. Il nemico risponde con il suo turno a ogni «Attacca», «Fulmina» e «Cura», anche a un «Cura» con la Salute al massimo. Non contrattacca dopo un «Ritirati», dopo un «Fulmina» o un «Cura» senza Magia, né dopo essere stato ucciso.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>Il turno del nemico: schivi con un tiro da 0 alla tua Destrezza meno uno, contro il suo tiro da 1 alla sua forza. Se il suo tiro è pari al tuo o più alto, ti colpisce e infligge danni da 0 fino alla metà della sua forza meno uno, con la metà di una forza dispari arrotondata per eccesso.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>«Ritirati» lascia la battaglia, e il nemico non contrattacca, ma resta sulla tua casella e non conserva nessuna delle sue ferite: la battaglia successiva con lui ricomincia da capo. Una volta sconfitto il nemico, «Ritirati» è anche il modo per andartene con la vittoria: il nemico sparisce per un po&apos; e la barra di abilità del suo colore cresce.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Queste probabilità valgono per un nuovo personaggio con Salute e Magia al massimo che non si cura e non si ritira. Batte il nemico rosso più debole (forza %1) il %2% delle volte con il solo «Attacca», ma quello rosso più forte (forza %3) solo il %4% delle volte con il solo «Attacca» e il %5% usando prima «Fulmina», quello arancione più debole (forza %6) il %7% delle volte anche usando prima «Fulmina», e i colori più forti al massimo il %8% delle volte.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Usa prima «Fulmina»: non manca mai, mentre la maggior parte degli attacchi contro un nemico più forte va a vuoto, e il nemico risponde allo stesso modo a entrambi. Quando una battaglia si mette male, o le sue prime righe mostrano un nemico forte, ritirati (a questo il nemico non contrattacca) e lascia subito la sua casella con un tasto freccia. Tra una battaglia e l&apos;altra, aspetta nella riga di guarigione finché la tua Salute e la tua Magia non sono di nuovo al massimo.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Se l&apos;archivio non si può creare, il gioco dice dove si trova ancora il file, e all&apos;avvio successivo si gioca di nuovo con il personaggio morto: con la Salute sotto 1, il primo colpo che subisce lo finisce, anche un colpo da 0, a meno che prima non si curi, nella riga di guarigione (il che può richiedere che la barra si riempia più volte) o con «Cura» in battaglia. La sala dei caduti non registra quella morte.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Una Forza, Destrezza, Saggezza, Salute o Magia che non è un numero non ferma il gioco, ma le battaglie e i pulsanti «+» la rifiutano finché non ripari il file. Ogni salvataggio scrive un file nuovo completo prima di sostituire quello vecchio, così un arresto anomalo non lascia mai mezzo personaggio; in una cartella che rifiuta nuovi file, il file viene invece riscritto sul posto con un&apos;unica scrittura.</translation>
    </message>
</context>
<context>
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the values told after a battle&apos;s line or a spent point, as in &quot;Your health: 8. Your magic: 10&quot;.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A line read as a sentence, e.g. &quot;You miss by -2.&quot; after &quot;You miss by -2&quot;; use your language&apos;s full stop.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>LTR</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>PictureBoxAccessible</name>
    <message>
        <source>level %1 of %2</source>
        <extracomment>A skill bar&apos;s level, e.g. &quot;level 3 of 18&quot;.</extracomment>
        <translation>livello %1 di %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 per cento</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Colonna %1, riga %2, riga di guarigione</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Colonna %1, riga %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>Nessun altro in vista.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n casella in alto</numerusform>
            <numerusform>%n caselle in alto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n casella in basso</numerusform>
            <numerusform>%n caselle in basso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n casella a sinistra</numerusform>
            <numerusform>%n caselle a sinistra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n casella a destra</numerusform>
            <numerusform>%n caselle a destra</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 beside you: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands next to the player, the way %2 (&quot;1 up&quot;).</extracomment>
        <translation>%1 accanto a te: %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) and the way to it (%2, e.g. &quot;2 up, 1 right&quot;), told after each step.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The map&apos;s square (%1, &quot;World map: Column 1, row 22&quot;) and the way to the nearest enemy (%2, &quot;Red enemy: 3 up.&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1 on your square: Space fights it, an arrow key steps away.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) has come onto the player&apos;s square; Space starts the battle.</extracomment>
        <translation>%1 sulla tua casella: Spazio lo combatte, un tasto freccia ti allontana.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 sulla tua casella.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The map&apos;s square alone (%1, &quot;World map: Column 1, row 22&quot;), before the enemies have moved.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the bitmap&apos;s header is impossible or its pixel rows end early</source>
        <translation>l&apos;intestazione della bitmap non è valida o le sue righe di pixel finiscono prima del previsto</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>non è un&apos;immagine in nessun formato conosciuto</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>più grande di %1 byte</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>non è scrivibile</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The detail of a file error: %1 is a file&apos;s path (left to right, e.g. &quot;/home/ann/.local/share/chromaland/Character.chx&quot;), %2 the reason, e.g. &quot;is a folder&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>Battaglia</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Attacca</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Attacca il nemico</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Fulmina</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Usa la Magia per fulminare il nemico</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Cura</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Usa la Magia per curarti</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Ritirati</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Fuggi dalla battaglia</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Eroe Chromara</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>La tua forza</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>La tua Forza, come parte della somma delle due forze.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Forza del nemico</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>La forza del nemico, come parte della somma delle due forze.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Nemico</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Le tue statistiche</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Salute del nemico</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Salute:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>La tua salute</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Salute del nemico</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magia:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>La tua magia</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>Stato della battaglia</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>La salute del nemico (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>La tua Magia (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>ISTRUZIONI: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>FULMINA: Colpisci sempre il nemico con la magia, infliggendo danni fino alla tua Saggezza.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>CURA: Usa la tua magia per curare le ferite. La tua Saggezza limita il tuo potere di cura.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>Non c&apos;è nessun nemico «%1» da combattere, quindi questa battaglia non può avere luogo.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Manchi di -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Colpisci di +%1 e infliggi %n danno.</numerusform>
            <numerusform>Colpisci di +%1 e infliggi %n danni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Fulmini il nemico con %n punto di magia.</numerusform>
            <numerusform>Fulmini il nemico con %n punti di magia.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>Non hai bisogno di cure!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Ti curi con %n punto di magia.</numerusform>
            <numerusform>Ti curi con %n punti di magia.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>Il nemico manca di -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>Il nemico ti colpisce di +%1 e infligge %n danno.</numerusform>
            <numerusform>Il nemico ti colpisce di +%1 e infligge %n danni.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Sei morto.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>Impossibile eseguire quella mossa: non è successo nulla.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>La tua Destrezza (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>La tua Forza (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>La tua Saggezza (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>La tua Salute (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>La tua Salute massima (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>La forza del nemico (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>Non hai magia disponibile.</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1, forza %2, ti ha ucciso. Le ultime righe della battaglia: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>La tua Forza (%1) non è un numero maggiore o uguale a 0, quindi questa battaglia non può avere luogo. Il nemico resta sulla tua casella: allontanati e ripara il file.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Personaggio</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Forza:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Destr.:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destrezza</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Sagg.:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Saggezza</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Salute:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salute</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Salute massima</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magia:</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation>Magia massima</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Spendi un punto in Forza</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Spendi un punto in Destrezza</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Spendi un punto in Saggezza</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Spendi un punto in Salute</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Spendi un punto in Magia</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mappa del mondo</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>I tasti freccia ti spostano di una casella; la riga in basso ti cura e nessun nemico può entrarci.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Nemico viola</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Nemico indaco</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Nemico blu</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Nemico verde</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Nemico giallo</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Nemico arancione</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Nemico rosso</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Abilità Chromara</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Abilità viola</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico viola sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Abilità indaco</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico indaco sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Abilità blu</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico blu sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Abilità verde</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico verde sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Abilità gialla</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico giallo sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Abilità arancione</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico arancione sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Abilità rossa</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Livello di abilità; ogni nemico rosso sconfitto lo aumenta di uno.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Prossima mossa dei nemici:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Tempo prima della mossa dei nemici</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>I nemici si muovono quando la barra è piena.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Tempo prima che i nemici si muovano</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Simboli dei colori attivati</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Simboli dei colori disattivati</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>Nessun punto da spendere: sei ancora sulla mappa, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>Salvare e uscire?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Salva ed esci</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Continua a giocare</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: nessuno in vista.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Premi un tasto per giocare</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Istruzioni: Sei il Quadrato Bianco. Muoviti con i tasti cursore. In fondo alla mappa c&apos;è la riga di guarigione, un posto sicuro dove i cattivi non possono raggiungerti.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Muoviti contro un nemico per attaccarlo. Ogni nemico ucciso ti dà Abilità Chromara. Quando una barra di colore è piena ottieni punti extra per migliorarti. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>FULMINA: Colpisci sempre il nemico con la magia, con danni fino alla tua Saggezza.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>CURA: Usa i tuoi punti di magia per curare le ferite. La tua Saggezza limita il tuo potere di cura.</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Premi un tasto per giocare.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>la riga %1 del file del personaggio è più corta della sua chiave</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>la riga %1 del file del personaggio contiene «%2»</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>il file del personaggio ha solo %1 delle 15 righe previste</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>livello di abilità alla riga %1 del file del personaggio</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>livello di abilità negativo alla riga %1 del file del personaggio</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>File del personaggio non trovato: verrà creato un nuovo personaggio</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>Impossibile salvare il personaggio in %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>Impossibile archiviare il personaggio morto come %1 in %2 (%3).

Il file del personaggio si trova ancora in %4.</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Hai vinto. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Hai vinto. %1 di nuovo: la barra piena ti ha dato %n punto. %2.</numerusform>
            <numerusform>Hai vinto. %1 di nuovo: la barra piena ti ha dato %n punti. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
