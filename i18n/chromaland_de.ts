<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>„%1“ ist zu groß</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Gegnerhinweis an</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Gegnerhinweis aus</translation>
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
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Fehler: %1 : %2</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Gerät nicht verfügbar</translation>
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
        <translation>Startet das Spiel.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Bewegen dich ein Feld weiter.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Schaltet die Farbsymbole ein und aus.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Solange du Punkte hast: von einer „+“-Schaltfläche zur nächsten.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>Auf einer „+“-Schaltfläche: gibt einen Punkt aus.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Von einer Schaltfläche zur nächsten.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Drückt die Schaltfläche, die den Fokus hat.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Blättern durch die Hilfe.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Von einem Link zum nächsten.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Folgt dem Link, der den Fokus hat.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Schließt die Meldung.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Drückt die Schaltfläche „Angriff“.</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Drückt die Schaltfläche „Blitz“.</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Drückt die Schaltfläche „Heilen“.</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Drückt die Schaltfläche „Rückzug“.</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Markiert den ganzen Text der Hilfe und kopiert das Markierte.</translation>
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
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <extracomment>The names of the keys held with another, as in &quot;Ctrl+A&quot;.</extracomment>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>A letter, a digit, Space, Esc, Return or Backspace</source>
        <translation>Ein Buchstabe, eine Ziffer, Leertaste, Esc, Eingabe oder Rücktaste</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Zurück (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Steuerkreuz oder linker Stick</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Schultertasten (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Steuerkreuz oder linker Stick nach oben und unten</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Schließt die Halle.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Zeigt den ganzen Eintrag der gewählten Figur.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Kopiert diesen Eintrag als Text.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Fragt, ob dein Charakter gespeichert und das Spiel beendet werden soll.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Speichert deinen Charakter und beendet das Spiel.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Kehrt zum Spiel zurück.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Von einer gefallenen Figur zur nächsten; im Eintrag blättern.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Zwischen der Liste, dem Eintrag und der Schaltfläche „Schließen“ wechseln.</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Seitenweise durch die Hilfe blättern.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Schaltet den Ton des Spiels aus und ein.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Schaltet den Gegnerhinweis ein und aus: nach jedem Schritt ein Ton, der zum nächsten Gegner weist.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
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
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Gar nichts, auch keinen Kampf: Allein gedrückt sind das die Tasten deiner Arbeitsumgebung und deines Bildschirmlesers.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Nennt den nächsten Gegner in Sicht, den nahesten zuerst: seine Farbe und den Weg zu ihm. Jeder Schritt nennt danach den Weg zu diesem Gegner.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Nennt den Gegner davor, zurück bis zum nahesten.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Nennt den nahesten Gegner einer Farbe, nach den Tupfen ihres Farbsymbols: 1 Rot, 2 Orange, 3 Gelb, 4 Grün, 5 Blau, 6 Indigo, 7 Violett. Noch einmal gedrückt: den nächsten dieser Farbe.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Die Hilfe Zeile für Zeile lesen: Ein Bildschirmleser liest jede Zeile vor, zu der du kommst. Mit Strg oder Alt bewegt sich die Seite, und du bleibst, wo du bist.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>Buchstabe für Buchstabe; mit Strg Wort für Wort.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>Eine Seite nach oben oder unten (Leertaste: nach unten, Umschalt+Leertaste: nach oben).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>An den Anfang oder das Ende der Zeile; mit Strg der Hilfe.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Mit diesen Tasten gehalten: markiert den Text, über den du gehst.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Von einem Link zum nächsten: Die Liste oben verweist auf jeden Teil.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>Auf einem Link: bringt dich zu diesem Teil der Hilfe, der mit seinem Namen angesagt wird.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Öffnet die Halle der Gefallenen: die Figuren, die gestorben sind.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Öffnet die Hilfe.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Schließt die Hilfe.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Jede andere Taste</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>Tut nichts, außer gegen einen Gegner auf deinem Feld zu kämpfen.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>Die Taste deiner Arbeitsumgebung zum Schließen eines Fensters: speichert deinen Charakter und beendet das Spiel.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>eine Pfeiltaste, mit der du das Feld verlässt</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1, solange du Punkte hast</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Läufst du in einen Gegner hinein, kämpfst du sofort gegen ihn. Gegen einen Gegner, der auf deinem Feld steht (er kam zu dir, oder du hast dich zurückgezogen), kämpfst du bei der nächsten Taste, die du auf der Karte drückst; ausgenommen sind: %1.</translation>
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
        <translation>ANGRIFF: Dein Geschick entscheidet, wie oft du den Gegner im Kampf triffst. Triffst du, bestimmt deine Stärke, wie viel Schaden du anrichtest.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RÜCKZUG: Du fliehst, bevor der Gegner wieder angreift.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (neuester)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, Stufe %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, Stärke %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Gestorben</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Verdiente Punkte</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Geschick</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Weisheit</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Höchste Fertigkeit</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Besiegt von</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
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
        <translation>Gestorben am %1, besiegt von: %2.
Verdiente Punkte: %3 (nicht ausgegeben: %4).
Stärke %5, Geschick %6, Weisheit %7, Leben %8, Magie %9.
Fertigkeitsstufen: Violett %10, Indigo %11, Blau %12, Grün %13, Gelb %14, Orange %15, Rot %16.
Archiv: %17

Die letzten Zeilen des Kampfes:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell of the hall of the fallen as a screen reader says it: %1 the column (&quot;Points earned&quot;), %2 the cell.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time of a death, as a date format of Qt: d the day, MMMM the month&apos;s name, yyyy the year, HH:mm the time; quote other letters (&apos;de&apos;). The month&apos;s name keeps the date from reading two ways.</extracomment>
        <translation>d. MMMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>The history of the fallen could not be read: %1</source>
        <extracomment>%1 is the history file&apos;s path and the reason it could not be read.</extracomment>
        <translation>Die Geschichte der Gefallenen konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Noch ist keine Figur gefallen.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Halle der Gefallenen</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Gefallene Figuren, die beste zuerst: %n.</numerusform>
            <numerusform>Gefallene Figuren, die beste zuerst: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Zeilen von %1, die unlesbar waren und übersprungen wurden: %n.</numerusform>
            <numerusform>Zeilen von %1, die unlesbar waren und übersprungen wurden: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Chromaland-Hilfe</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>Der Kampf</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Dein Charakter</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Farbsymbole</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>Mit einem Bildschirmleser</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Violett: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Indigo: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Blau: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Grün: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Gelb: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Orange: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Rot: Stärke %1 bis %2; ein voller Balken gibt %3 Punkte.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Solange du Punkte hast, steht neben jedem deiner Werte eine „+“-Schaltfläche: Stärke, Geschick, Weisheit, Leben und Magie. Jeder Druck gibt einen Punkt aus und erhöht diesen Wert um eins; bei Leben und Magie steigen der Wert und sein Maximum.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Angriff: Du würfelst von 1 bis zu deinem Geschick, der Gegner von 1 bis zu seiner Stärke. Ist dein Wurf höher, triffst du und richtest 1 bis zu deiner Stärke an Schaden an.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Blitz: ein sicherer Treffer mit Magie, der 1 bis zu deiner Weisheit an Schaden anrichtet, nie mehr als das Leben des Gegners und nie mehr als die Magie, die du hast; er kostet so viel Magie, wie er Schaden anrichtet. Du brauchst mindestens 1 Magie.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Heilen: verwandelt Magie in Leben, so viel dir fehlt, aber nicht mehr als deine Magie und nicht mehr als deine Weisheit.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Sinkt dein Leben unter 1, stirbst du. Dein Charakter wird ein letztes Mal gespeichert, seine Datei wird zu einem Archiv namens Dead_ mit Uhrzeit und Datum, und das Spiel endet. Der nächste Start beginnt mit einem neuen Charakter.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>Auf dem Titelbildschirm</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>Auf der Karte</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>Im Kampf</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>In dieser Hilfe</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>In einer Meldung</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Fehlt die Datei, sagt das Spiel das und beginnt einen neuen Charakter. Eigene Bilder für die Karte, für dich und für die Gegner kommen in den Ordner Graphics daneben.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>Das Archiv eines toten Charakters kommt in diesen Ordner:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>Das Spiel spricht mit Bildschirmlesern wie Orca. Der Titelbildschirm liest seine Anleitung vor. Auf der Karte sagt jede Pfeiltaste dein neues Feld an, und Orcas „Wo bin ich“ nennt dazu den nächsten Gegner und den Weg zu ihm; die Übersicht liest deine Werte und Fertigkeitsstufen vor. Im Kampf werden die Zeilen jedes Zuges mit deinem Leben, deiner Magie und dem Leben des Gegners angesagt.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>Die Zeilen des Kampfes sind Benachrichtigungen, die Orca in seiner Liste der Benachrichtigungen aufbewahrt. Seine Befehle, um die letzten noch einmal zu hören oder die Liste durchzugehen, haben anfangs keine Tasten: Weise ihnen unter „Tastenkombinationen“ in den Einstellungen von Orca Tasten zu.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>Außer Englisch spricht das Spiel: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Es spricht die Sprache deiner Arbeitsumgebung (LANGUAGE, dann LC_ALL, LC_MESSAGES und LANG). Um einmal in einer anderen Sprache zu spielen, starte es aus einem Terminal und stell diese Sprache voran, zum Beispiel: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Rat für einen neuen Charakter</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Du bist das weiße Quadrat auf einer Karte aus %1 mal %2 Feldern. Lauf in die farbigen Gegner hinein, um sie zu bekämpfen, gib die Punkte aus, die dir Siege bringen, um stärker zu werden, und bleib am Leben.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Jeder Sieg bringt dem Fertigkeitsbalken in der Farbe des Gegners eine Stufe mehr; im Kampf spielen Fertigkeitsstufen keine Rolle. Ein Balken hat %1 Stufen: Ist er voll, beginnt er mit dem nächsten Sieg wieder bei Stufe 1 und gibt dir Punkte, mehr für die stärkeren Farben:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 auf der Karte schaltet die Farbsymbole ein und aus, und das Spiel merkt sich die Wahl für den nächsten Start.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>Die Pfeiltasten bewegen dich um ein Feld. Die unterste Reihe der Karte ist die Heilreihe: Kein Gegner betritt sie je. Jedes Mal, wenn sich der Balken unter der Karte füllt, etwa alle %1 Sekunden, gibt dir die Heilreihe, wenn du darin stehst, ein Zehntel deines höchsten Lebens und deiner höchsten Magie zurück, abgerundet, also nichts, solange ein Höchstwert unter %2 liegt.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>Der Balken steht während eines Kampfes still und solange diese Hilfe offen ist.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Ist die Datei beschädigt (fehlende Zeilen, Punkte, die keine Zahl sind, oder Fertigkeitsstufen, die keine Zahlen, negativ oder zu groß sind), sagt das Spiel mit einem Fehlercode, was nicht stimmt, und endet; die Datei bleibt genau so, wie sie war, damit du sie reparieren oder wegräumen kannst.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Manche Farben der Gegner sehen für viele Augen gleich aus. Die Farbsymbole markieren jeden Gegner und jeden Fertigkeitsbalken mit Tupfen, umso mehr, je stärker die Farbe ist: Rot einen, Orange zwei, Gelb drei, Grün vier, Blau fünf, Indigo sechs und Violett sieben. Du wirst ein weißes Quadrat mit schwarzem Rahmen, mit einem roten Kreuz, solange du in der Heilreihe stehst.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Eigene Bilder im Ordner Graphics treten an die Stelle der Symbole, Bild für Bild.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Es gibt %1 Gegner, %2 von jeder Farbe. Jede Farbe bleibt in ihrem eigenen Streifen von Reihen, und die Streifen überlappen sich: Violett nahe dem oberen Rand der Karte, dann Indigo, Blau, Grün, Gelb und Orange, und Rot am tiefsten; Orange und Rot reichen beide bis an die Reihe direkt über der Heilreihe.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>Violette Gegner sind die stärksten, rote die schwächsten. Jedes Mal, wenn sich der Balken unter der Karte füllt, kann jeder Gegner einen Schritt machen, und ein besiegter Gegner kehrt in einem von drei Fällen zurück.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Zeigt die Farbsymbole auf der Karte und lässt sie eingeschaltet.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>Mit einem Controller</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Mit einem Controller kannst du das ganze Spiel spielen, ob du ihn vor dem Start oder während des Spiels anschließt; die Tasten funktionieren daneben weiter.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>Die Knöpfe sind nach ihrer Lage benannt, wie auf den meisten Controllern: A ist der untere der vier Knöpfe rechts, B der rechte, X der linke und Y der obere, ganz gleich, welche Buchstaben oder Symbole dein Controller zeigt. Hältst du Steuerkreuz oder Stick gedrückt, wiederholen sie sich wie eine gehaltene Taste. Alle anderen Knöpfe tun nichts.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>In der Halle der Gefallenen</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>Das Spiel führt einen einzigen Charakter, in dieser Datei:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>Bei der Frage „Speichern und beenden?“</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 auf dem Titel, auf der Karte und im Kampf schaltet den Ton des Spiels aus und wieder ein; das Spiel merkt sich die Wahl für den nächsten Start, und %2 startet es stumm. Ohne Soundserver bleibt das Spiel stumm und sagt nichts darüber.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Schaltet den Ton des Spiels aus, bis er wieder eingeschaltet wird.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Er wird nach jedem Kampf gespeichert, der ihn verändert hat, nach jedem Punkt, den du ausgibst, und wenn du die Karte schließt. Eine Abmeldung, ein Herunterfahren oder das Beenden des Spiels aus einem Terminal speichert ihn ebenfalls. Ein noch laufender Kampf wird nicht gespeichert; ein bereits gewonnener Kampf bleibt erhalten.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>Das Spiel kündigt an, was geschieht, mit kurzen Tönen: ein Schritt in die Heilungsreihe und die Heilung dort, ein Gegner, der neben dich oder auf dein Feld kommt, der Beginn eines Kampfes, deine Treffer und Fehlschläge, ein Zauberstoß, eine Heilung, die Treffer und Fehlschläge des Gegners, ein Sieg, ein Fähigkeitsbalken, der von vorn beginnt und Punkte gibt, ein ausgegebener Punkt und der Tod.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Jedes davon wird auch auf dem Bildschirm gezeigt und einem Bildschirmleser gesagt: Nichts erfährst du nur über den Ton.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>Nach jedem Schritt auf der Karte weist der Gegnerhinweis zum nächsten Gegner: Er kommt von links oder rechts, je nachdem, ob der Gegner links oder rechts von dir steht, umso weiter von der Seite, je weiter er weg ist, und er klingt höher für einen Gegner über dir und tiefer für einen unter dir, sodass man ihm auch mit einem Ohr folgen kann.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Zwei kurze Klopfer bedeuten, dass der Gegner neben dir steht. Der Hinweis ist an, solange ein Bildschirmleser läuft; %1 auf der Karte schaltet ihn ein oder aus, und das Spiel merkt sich die Wahl.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>Nach jedem Schritt auf der Karte nennt Orca außerdem den Weg zum nächsten Gegner, etwa „Roter Gegner: 2 nach oben, 1 nach links.“ Ein Gegner, der neben dich oder auf dein Feld kommt, wird sofort angesagt, einmal, solange du stehen bleibst; steht er auf deinem Feld, kämpft %1 gegen ihn, und eine Pfeiltaste geht weg. Der Balken unter der Karte („Zeit bis zum Gegnerzug“) wird nicht vorgelesen.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Um einen Gegner nach Gehör zu wählen, nennt %1 den nächsten Gegner in Sicht, den nahesten zuerst, mit seiner Farbe und dem Weg zu ihm, und %2 den davor. Die Zifferntasten %3 bis %4 nennen den nahesten Gegner einer Farbe, nach den Tupfen ihres Farbsymbols: 1 Rot, 2 Orange, 3 Gelb, 4 Grün, 5 Blau, 6 Indigo, 7 Violett; noch einmal gedrückt, den nächsten dieser Farbe. Nach jedem Schritt hörst du dann den Weg zu dem gewählten Gegner, bis er besiegt ist. Keine dieser Tasten startet einen Kampf, ebenso wenig Umschalt, Strg, Alt, die Feststelltaste, Einfg oder eine andere Taste, die deiner Arbeitsumgebung oder deinem Bildschirmleser gehört.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Diese Hilfe liest du Zeile für Zeile mit den Pfeiltasten; auf dem Namen eines Teils in der Liste ganz oben bringt dich die Eingabetaste zu diesem Teil. Ein gewonnener Kampf nennt die neue Fertigkeitsstufe deiner Farbe; ein Tod nennt den Gegner, der dich besiegt hat, seine Stärke und die letzten Zeilen des Kampfes, bevor das Spiel endet. In der Halle der Gefallenen (%1) lesen Nach oben und Nach unten eine gefallene Figur nach der anderen vor, Pos1 und Ende gehen zur ersten und zur letzten, und die Eingabetaste liest den ganzen Eintrag vor.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Läufst du in einen Gegner hinein, öffnet sich das Kampffenster, und die Gegner auf der Karte stehen still, bis es sich schließt. Jeder Kampf bestimmt die Stärke des Gegners neu aus dessen eigenem Bereich, und sein Leben ist diese Stärke: Die drei Gegner einer Farbe sehen gleich aus, doch der eine ist stärker als der andere. Auf jeden Angriff, jeden Blitz und jedes Heilen antwortet der Gegner mit seinem Zug, auch auf ein Heilen bei vollem Leben. Keinen Gegenschlag gibt es bei einem Rückzug, bei einem Blitz oder Heilen ohne Magie und bei allem nach dem Sieg.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>Der Zug des Gegners: Du weichst mit einem Wurf von 0 bis eins weniger als dein Geschick aus, gegen seinen Wurf von 1 bis zu seiner Stärke. Würfelt er so hoch wie du oder höher, trifft er dich und richtet 0 bis eins weniger als die Hälfte seiner Stärke an Schaden an, wobei die Hälfte einer ungeraden Stärke aufgerundet wird.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>Rückzug verlässt den Kampf, und der Gegner schlägt nicht zurück, doch er bleibt auf deinem Feld und behält keine seiner Wunden: Der nächste Kampf mit ihm beginnt von vorn. Ist der Gegner besiegt, verlässt du den Kampf ebenfalls mit Rückzug, und zwar als Sieger: Der Gegner verschwindet eine Weile, und der Fertigkeitsbalken seiner Farbe wächst.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Diese Gewinnchancen gelten für einen neuen Charakter mit vollem Leben und voller Magie, der weder heilt noch sich zurückzieht. Er besiegt den schwächsten roten Gegner (Stärke %1) in %2&#xa0;% der Fälle allein mit Angriff, den stärksten roten (Stärke %3) aber nur in %4&#xa0;% der Fälle allein mit Angriff und in %5&#xa0;% mit einem Blitz als erstem Zug, den schwächsten orangefarbenen (Stärke %6) in %7&#xa0;% der Fälle selbst mit einem Blitz als erstem Zug und die stärkeren Farben höchstens in %8&#xa0;% der Fälle.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Setz zuerst einen Blitz ein: Er verfehlt nie, während die meisten Angriffe gegen einen stärkeren Gegner danebengehen, und der Gegner antwortet auf beide gleich. Läuft ein Kampf schlecht oder zeigen seine ersten Zeilen einen starken Gegner, zieh dich zurück – darauf schlägt er nicht zurück – und verlass sein Feld sofort mit einer Pfeiltaste. Warte zwischen den Kämpfen in der Heilreihe, bis dein Leben und deine Magie wieder voll sind.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Lässt sich das Archiv nicht anlegen, sagt das Spiel, wo die Datei noch liegt, und der nächste Start spielt den toten Charakter weiter: Mit Leben unter 1 beendet ihn der erste Treffer, den er einsteckt, selbst ein Treffer von 0, es sei denn, er heilt sich vorher, in der Heilreihe (was mehrere Füllungen des Balkens dauern kann) oder mit Heilen im Kampf. Die Halle der Gefallenen hat keinen Eintrag über diesen Tod.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Ist Stärke, Geschick, Weisheit, Leben oder Magie keine Zahl, hält das das Spiel nicht an, doch Kämpfe und die „+“-Schaltflächen verweigern den Wert, bis du die Datei reparierst. Jedes Speichern schreibt eine ganz neue Datei, bevor es die alte ersetzt, sodass ein Absturz nie einen halben Charakter hinterlässt; in einem Ordner, der keine neuen Dateien zulässt, wird die Datei stattdessen an Ort und Stelle in einem einzigen Schreibvorgang neu geschrieben.</translation>
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
        <translation>Stufe %1 von %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Spalte %1, Reihe %2, Heilreihe</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>Sonst ist niemand in Sicht.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n nach oben</numerusform>
            <numerusform>%n nach oben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n nach unten</numerusform>
            <numerusform>%n nach unten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n nach links</numerusform>
            <numerusform>%n nach links</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n nach rechts</numerusform>
            <numerusform>%n nach rechts</numerusform>
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
        <translation>%1 neben dir: %2.</translation>
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
        <translation>%1 auf deinem Feld: Die Leertaste kämpft gegen ihn, eine Pfeiltaste geht weg.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 auf deinem Feld.</translation>
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
        <translation>der Bitmap-Dateikopf ist ungültig oder die Pixelzeilen enden zu früh</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>kein Bild in einem bekannten Format</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Byte</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>ist nicht beschreibbar</translation>
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
        <translation>Kampf</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Angriff</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Den Gegner angreifen</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Blitz</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Mit Magie einen Blitz auf den Gegner schleudern</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Heilen</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Mit Magie heilen</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Rückzug</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Aus dem Kampf fliehen</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Chromara-Krieger</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>Deine Stärke</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>Deine Stärke als Anteil an beiden Stärken zusammen.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Stärke des Gegners</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>Die Stärke des Gegners als Anteil an beiden Stärken zusammen.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Spielerwerte</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Leben des Gegners</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Leben:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>Dein Leben</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Leben des Gegners</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magie:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>Deine Magie</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>Kampfstatus</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Das Leben des Gegners (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>Deine Magie (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>ANLEITUNG: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>BLITZ: Triff den Gegner sicher mit einem Blitz aus Magie. Schaden bis zu deiner Weisheit.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>HEILEN: Heile deine Wunden mit Magie. Deine Weisheit begrenzt deine maximale Heilkraft.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>Es gibt keinen Gegner „%1“ zum Bekämpfen, daher kann dieser Kampf nicht stattfinden.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Du verfehlst um -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Du triffst mit +%1 und richtest %n Schaden an.</numerusform>
            <numerusform>Du triffst mit +%1 und richtest %n Schaden an.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Dein Blitz trifft mit %n Magiepunkt.</numerusform>
            <numerusform>Dein Blitz trifft mit %n Magiepunkten.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>Du brauchst keine Heilung!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Du heilst dich für %n Magiepunkt.</numerusform>
            <numerusform>Du heilst dich für %n Magiepunkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>Der Gegner verfehlt um -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>Der Gegner trifft dich mit +%1 und richtet %n Schaden an.</numerusform>
            <numerusform>Der Gegner trifft dich mit +%1 und richtet %n Schaden an.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Du bist gestorben.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>Dieser Zug konnte nicht ausgeführt werden: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>Dein Geschick (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Deine Stärke (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>Deine Weisheit (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Dein Leben (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Dein maximales Leben (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Die Stärke des Gegners (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>Du hast keine Magie zur Verfügung.</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1 mit Stärke %2 hat dich besiegt. Die letzten Zeilen des Kampfes: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>Deine Stärke (%1) ist keine Zahl von 0 oder mehr, daher kann dieser Kampf nicht stattfinden. Der Gegner bleibt auf deinem Feld: Geh von ihm weg und repariere die Datei.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Charakter</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Geschick:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Geschick</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Weisheit:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Weisheit</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Leben:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Maximales Leben</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magie:</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation>Maximale Magie</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Einen Punkt für Stärke ausgeben</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Einen Punkt für Geschick ausgeben</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Einen Punkt für Weisheit ausgeben</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Einen Punkt für Leben ausgeben</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Einen Punkt für Magie ausgeben</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>Mit den Pfeiltasten gehst du ein Feld weiter; die unterste Reihe heilt dich, und kein Gegner betritt sie.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Violetter Gegner</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Indigofarbener Gegner</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Blauer Gegner</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Grüner Gegner</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Gelber Gegner</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Orangefarbener Gegner</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Roter Gegner</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Chromara-Fertigkeiten</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Violette Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte violette Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Indigofarbene Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte indigofarbene Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Blaue Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte blaue Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Grüne Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte grüne Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Gelbe Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte gelbe Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Orangefarbene Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte orangefarbene Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Rote Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Fertigkeitsstufe; jeder besiegte rote Gegner erhöht sie um eins.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Zeit bis zum Gegnerzug:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Zeit bis zum Gegnerzug</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>Die Gegner ziehen, wenn der Balken voll ist.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Zeit, bis die Gegner ziehen</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Farbsymbole an</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Farbsymbole aus</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>Keine Punkte auszugeben: Du bist weiter auf der Karte, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>Speichern und beenden?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Speichern und beenden</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: keiner in Sicht.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Drück eine Taste zum Spielen</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Anleitung: Du bist das Weiße Quadrat. Beweg dich mit den Pfeiltasten. Unten auf der Karte liegt die Heilreihe, dort können dich die Bösen nicht erreichen.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Lauf in einen farbigen Gegner, um ihn anzugreifen. Jeder Sieg bringt Chromara-Fertigkeiten. Ist ein Farbbalken voll, bekommst du Punkte für deine Werte. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>BLITZ: Triff den Gegner sicher mit Magie. Schaden bis zu deiner Weisheit.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>HEILEN: Heile deine Wunden mit Magiepunkten. Deine Weisheit begrenzt deine maximale Heilkraft.</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Drück eine Taste zum Spielen.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>Zeile %1 der Charakterdatei ist kürzer als ihr Schlüssel</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>Zeile %1 der Charakterdatei enthält „%2“</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>die Charakterdatei hat nur %1 von 15 Zeilen</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>Fertigkeitsstufe in Zeile %1 der Charakterdatei</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>negative Fertigkeitsstufe in Zeile %1 der Charakterdatei</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>Die Charakterdatei wurde nicht gefunden – ein neuer Charakter wird erstellt</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>Der Charakter konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>Der tote Charakter konnte nicht als %1 in %2 archiviert werden (%3).

Die Charakterdatei liegt weiterhin unter %4.</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Du hast gewonnen. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Du hast gewonnen. %1 wieder: Der volle Balken gab dir %n Punkt. %2.</numerusform>
            <numerusform>Du hast gewonnen. %1 wieder: Der volle Balken gab dir %n Punkte. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
