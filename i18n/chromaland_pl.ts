<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>wartość „%1” jest za duża</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1” nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Sygnał wroga włączony</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Sygnał wroga wyłączony</translation>
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
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk jest pełny</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Błąd: %1 : %2</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Urządzenie niedostępne</translation>
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
        <translation>Rozpoczyna grę.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Strzałki</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Przesuwają cię o jedno pole.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Włącza i wyłącza symbole kolorów.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Gdy masz punkty: przechodzą między przyciskami „+”.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>Na przycisku „+”: wydaje punkt.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Przechodzą między przyciskami.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Naciska przycisk, na którym jest fokus.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Przewijają pomoc.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Przechodzą między odnośnikami.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Otwierają odnośnik, na którym jest fokus.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Zamykają komunikat.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Naciska przycisk Atak.</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Naciska przycisk Wybuch.</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Naciska przycisk Leczenie.</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Naciska przycisk Odwrót.</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Zaznaczają cały tekst pomocy i kopiują zaznaczenie.</translation>
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
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Enter (klawiatura numeryczna)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <extracomment>The names of the keys held with another, as in &quot;Ctrl+A&quot;.</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>A letter, a digit, Space, Esc, Return or Backspace</source>
        <translation>Litera, cyfra, Spacja, Esc, Enter lub Backspace</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Wstecz (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Krzyżak lub lewa gałka</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Przyciski górne (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Góra i dół na krzyżaku lub lewej gałce</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Zamyka salę.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Pokazuje cały wpis wybranej postaci.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Kopiuje ten wpis jako tekst.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Pyta, czy zapisać postać i zakończyć grę.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Zapisują postać i kończą grę.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Wraca do gry.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Przechodzą od jednej poległej postaci do innej; we wpisie przewijają go.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Przechodzą między listą, wpisem i przyciskiem Zamknij.</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Przewijają pomoc o całą stronę.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Wyłącza i włącza dźwięk gry.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Włącza i wyłącza sygnał wroga: po każdym kroku dźwięk, który wskazuje najbliższego wroga.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>The key right of the space bar that types a keyboard&apos;s third letters.</extracomment>
        <translation>prawy Alt</translation>
    </message>
    <message>
        <source>Super</source>
        <extracomment>The key with the desktop&apos;s or the system&apos;s logo.</extracomment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Nic, nawet walki: wciśnięte same należą do twojego pulpitu i czytnika ekranu.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Podaje następnego widocznego wroga, najbliższego najpierw: jego kolor i drogę do niego. Potem każdy krok podaje drogę do tego wroga.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Podaje poprzedniego wroga, z powrotem do najbliższego.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Podaje najbliższego wroga danego koloru, według kropek jego symbolu koloru: 1 czerwony, 2 pomarańczowy, 3 żółty, 4 zielony, 5 niebieski, 6 indygo, 7 fioletowy. Wciśnięte ponownie: następnego w tym kolorze.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Czytają pomoc wiersz po wierszu: czytnik ekranu czyta każdy wiersz, do którego dojdziesz. Z Ctrl lub Alt przesuwa się strona, a ty zostajesz na miejscu.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>Litera po literze; z Ctrl słowo po słowie.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>O stronę w górę lub w dół (Spacja: w dół, Shift+Spacja: w górę).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>Na początek lub koniec wiersza; z Ctrl — pomocy.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Przytrzymany z tymi klawiszami: zaznacza tekst, przez który przechodzisz.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Przechodzą od jednego łącza do następnego: lista na górze prowadzi do każdej części.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>Na łączu: przenosi cię do tej części pomocy, podając jej nazwę.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Otwiera salę poległych: listę postaci, które zginęły.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Otwiera pomoc.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Zamyka pomoc.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Dowolny inny klawisz</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>Nie robi nic poza walką z wrogiem na twoim polu.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>Klawisz pulpitu zamykający okno: zapisuje postać i kończy grę.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>strzałki, która przenosi cię z tego pola</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1, gdy masz punkty</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Wejście na wroga od razu rozpoczyna z nim walkę. Walkę z wrogiem, który stoi na twoim polu (przyszedł do ciebie albo się wycofałeś), rozpoczyna następny klawisz naciśnięty na mapie, z wyjątkiem: %1.</translation>
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
        <translation>ATAK: Twoja Zręczność decyduje, jak często trafiasz wroga w walce. Gdy trafisz, twoja Siła określa, ile obrażeń zadajesz.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>ODWRÓT: Uciekasz, zanim wróg zdąży znów zaatakować.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (najnowszy)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, poziom %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, siła %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Zginął</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Zdobyte punkty</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Siła</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Zręczność</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Mądrość</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Życie</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Najwyższa umiejętność</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Zabójca</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
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
        <translation>Zginął %1, zabity przez: %2.
Zdobyte punkty: %3 (niewydane: %4).
Siła %5, Zręczność %6, Mądrość %7, Życie %8, Magia %9.
Poziomy umiejętności: fioletowa %10, indygo %11, niebieska %12, zielona %13, żółta %14, pomarańczowa %15, czerwona %16.
Archiwum: %17

Ostatnie wiersze walki:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznane</translation>
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
        <translation>Nie udało się odczytać historii poległych: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Żadna postać jeszcze nie poległa.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Sala poległych</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Wpis</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Polegli, najlepsi na początku: %n.</numerusform>
            <numerusform>Polegli, najlepsi na początku: %n.</numerusform>
            <numerusform>Polegli, najlepsi na początku: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Wiersze z %1, których nie udało się odczytać i które pominięto: %n.</numerusform>
            <numerusform>Wiersze z %1, których nie udało się odczytać i które pominięto: %n.</numerusform>
            <numerusform>Wiersze z %1, których nie udało się odczytać i które pominięto: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Pomoc gry Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>Walka</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Twoja postać</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Symbole kolorów</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>Z czytnikiem ekranu</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Fioletowy: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Indygo: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Niebieski: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Zielony: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Żółty: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Pomarańczowy: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Czerwony: siła od %1 do %2; pełny pasek daje %3 pkt.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Gdy masz punkty, obok każdej z twoich statystyk – Siły, Zręczności, Mądrości, Życia i Magii – pojawia się przycisk „+”. Każde naciśnięcie wydaje jeden punkt i podnosi tę statystykę o jeden; przy Życiu i Magii rośnie zarówno wartość, jak i jej maksimum.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Atak: rzucasz od 1 do wartości swojej Zręczności, wróg od 1 do wartości swojej siły. Jeśli twój rzut jest wyższy, trafiasz i zadajesz obrażenia od 1 do wartości twojej Siły.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Wybuch: pewne trafienie magią, zadające obrażenia od 1 do wartości twojej Mądrości, nigdy jednak więcej, niż wynosi Życie wroga, ani więcej, niż masz Magii; kosztuje tyle Magii, ile zadaje obrażeń. Potrzebujesz co najmniej 1 punktu Magii.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Leczenie: zamienia Magię w Życie, tyle, ile ci brakuje, ale nie więcej niż twoja Magia i nie więcej niż twoja Mądrość.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Gdy twoje Życie spadnie poniżej 1, giniesz. Twoja postać zostaje zapisana ostatni raz, jej plik staje się archiwum o nazwie Dead_ z godziną i datą, a gra się kończy. Po następnym uruchomieniu zaczynasz nową postacią.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>Na ekranie tytułowym</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>Na mapie</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>W walce</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>W tej pomocy</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>W komunikacie</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Gdy pliku brakuje, gra o tym informuje i tworzy nową postać. Własne obrazy mapy, twojej postaci i wrogów umieść w folderze Graphics obok tego pliku.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>Archiwum martwej postaci trafia do tego folderu:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>Gra współpracuje z czytnikami ekranu, takimi jak Orca. Ekran tytułowy odczytuje swoją instrukcję. Na mapie każda strzałka podaje twoje nowe pole, a polecenie „Wskaż obecną pozycję” czytnika Orca dodaje najbliższego wroga i drogę do niego; tryb nawigacyjny odczytuje twoje statystyki i poziomy umiejętności. W walce wiersze każdego ruchu są odczytywane razem z twoim Życiem i Magią oraz Życiem wroga.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>Wiersze walki to powiadomienia, które Orca przechowuje na liście komunikatów powiadamiania. Jej polecenia do ponownego odsłuchania ostatnich komunikatów lub przeglądania listy początkowo nie mają klawiszy: przypisz im klawisze na karcie Przypisania klawiszy w preferencjach czytnika Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>Oprócz angielskiego gra mówi w językach: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Gra mówi w języku twojego pulpitu (LANGUAGE, potem LC_ALL, LC_MESSAGES i LANG). Aby jednorazowo zagrać w innym języku, uruchom ją z terminala, podając ten język przed poleceniem, na przykład: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Rady dla nowej postaci</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Jesteś białym kwadratem na mapie %1 na %2 pól. Wchodź na kolorowych wrogów, by z nimi walczyć, wydawaj punkty, które dają zwycięstwa, by stać się silniejszym, i przeżyj.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Każde zwycięstwo dodaje poziom do paska umiejętności w kolorze wroga; poziomy umiejętności nie mają znaczenia w walce. Pasek ma %1 poziomów: gdy jest pełny, następne zwycięstwo zaczyna go znów od poziomu 1 i daje ci punkty, więcej za silniejsze kolory:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 na mapie włącza i wyłącza symbole kolorów, a gra zapamiętuje wybór do następnego uruchomienia.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>Strzałki przesuwają cię o jedno pole naraz. Dolny rząd mapy to rząd leczenia: żaden wróg nigdy tam nie wchodzi. Za każdym razem, gdy pasek pod mapą się zapełni, mniej więcej co %1 s, rząd leczenia przywraca ci jedną dziesiątą maksymalnego Życia i maksymalnej Magii, jeśli w nim stoisz, zaokrągloną w dół, więc nic, dopóki maksimum jest mniejsze niż %2.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>Pasek stoi w miejscu podczas walki i dopóki ta pomoc jest otwarta.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Gdy plik jest uszkodzony (brakuje wierszy, punkty nie są liczbą albo poziomy umiejętności nie są liczbami, są ujemne lub za duże), gra mówi kodem błędu, co jest nie tak, i kończy się, zostawiając plik dokładnie takim, jaki był, żebyś mógł go naprawić albo przenieść.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Niektóre kolory wrogów wielu oczom wydają się takie same. Symbole kolorów oznaczają każdego wroga i każdy pasek umiejętności kropkami, tym więcej, im silniejszy kolor: czerwony jedną, pomarańczowy dwie, żółty trzy, zielony cztery, niebieski pięć, indygo sześć, a fioletowy siedem. Ty stajesz się białym kwadratem w czarnej ramce, z czerwonym krzyżem, gdy stoisz w rzędzie leczenia.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Twoje własne obrazy w folderze Graphics zastępują symbole, obraz po obrazie.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Jest %1 wrogów, po %2 w każdym kolorze. Każdy kolor trzyma się swojego pasa rzędów, a pasy na siebie zachodzą: fioletowy blisko górnej krawędzi mapy, dalej indygo, niebieski, zielony, żółty i pomarańczowy, a czerwony najniżej; pomarańczowy i czerwony sięgają obaj rzędu tuż nad rzędem leczenia.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>Fioletowi wrogowie są najsilniejsi, czerwoni najsłabsi. Za każdym razem, gdy pasek pod mapą się zapełni, każdy wróg może zrobić jeden krok, a pokonany wróg wraca w jednym przypadku na trzy.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Pokazuje symbole kolorów na mapie i pozostawia je włączone.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>Z kontrolerem</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Kontrolerem można przejść całą grę, podłączonym przed jej uruchomieniem lub w trakcie; klawisze nadal działają obok niego.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>Przyciski są nazwane według położenia, jak na większości kontrolerów: A to dolny z czterech przycisków po prawej, B prawy, X lewy, a Y górny, bez względu na litery czy symbole na twoim kontrolerze. Przytrzymane krzyżak i gałka powtarzają ruch jak przytrzymany klawisz. Pozostałe przyciski nic nie robią.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>W sali poległych</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>Gra przechowuje jedną postać, w tym pliku:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>Przy pytaniu o zapis i wyjście</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 na ekranie tytułowym, na mapie i w walce wycisza grę i przywraca dźwięk; gra zapamiętuje wybór do następnego uruchomienia, a %2 uruchamia ją wyciszoną. Bez serwera dźwięku gra jest cicha i nic o tym nie mówi.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Wycisza grę i pozostawia ją wyciszoną, dopóki dźwięk nie zostanie znów włączony.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Jest zapisywana po każdej walce, która ją zmieniła, po każdym wydanym punkcie i gdy zamykasz mapę. Wylogowanie, wyłączenie komputera albo zatrzymanie gry z terminala też ją zapisuje. Walka, która jeszcze trwa, nie zostaje zapisana; walka już wygrana zostaje zachowana.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>Gra oznacza krótkimi dźwiękami to, co się dzieje: krok do rzędu leczenia i leczenie w nim, wroga, który staje obok ciebie lub na twoim polu, początek walki, twoje trafienia i pudła, wybuch magii, leczenie, trafienia i pudła wroga, zwycięstwo, pasek umiejętności, który zaczyna się od nowa i daje punkty, wydany punkt oraz śmierć.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Każde z nich jest też pokazane na ekranie i przekazane czytnikowi ekranu: nic nie jest przekazywane tylko dźwiękiem.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>Po każdym kroku na mapie sygnał wroga wskazuje najbliższego wroga: dochodzi z lewej albo z prawej, zależnie od tego, czy wróg stoi po twojej lewej, czy prawej stronie, tym bardziej z boku, im dalej jest, i brzmi wyżej dla wroga nad tobą, a niżej dla wroga pod tobą, tak aby można było za nim podążać także jednym uchem.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Dwa szybkie stuknięcia oznaczają, że wróg stoi obok ciebie. Sygnał jest włączony, dopóki działa czytnik ekranu; %1 na mapie go włącza lub wyłącza, a gra zapamiętuje wybór.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>Po każdym kroku na mapie Orca podaje też drogę do najbliższego wroga, na przykład „Wróg czerwony: 2 pola w górę, 1 pole w lewo.”. Wróg, który stanie obok ciebie lub na twoim polu, jest ogłaszany od razu, raz, dopóki stoisz w miejscu; na twoim polu %1 rozpoczyna walkę, a strzałka odchodzi. Pasek pod mapą („Czas do ruchu wrogów”) nie jest odczytywany.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Aby wybrać wroga na słuch, %1 podaje następnego widocznego wroga, najbliższego najpierw, z jego kolorem i drogą do niego, a %2 poprzedniego. Klawisze cyfr od %3 do %4 podają najbliższego wroga danego koloru, według kropek jego symbolu koloru: 1 czerwony, 2 pomarańczowy, 3 żółty, 4 zielony, 5 niebieski, 6 indygo, 7 fioletowy; wciśnięte ponownie — następnego w tym kolorze. Potem po każdym kroku słyszysz drogę do wybranego wroga, dopóki go nie pokonasz. Żaden z tych klawiszy nie zaczyna walki, podobnie jak Shift, Ctrl, Alt, Caps Lock, Insert ani żaden inny klawisz twojego pulpitu lub czytnika ekranu.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Tę pomoc czyta się wiersz po wierszu strzałkami; na nazwie części w liście na górze Enter przenosi cię do tej części. Wygrana walka podaje nowy poziom umiejętności twojego koloru; śmierć podaje wroga, który cię zabił, jego siłę i ostatnie wiersze walki, zanim gra się skończy. W sali poległych (%1) strzałki w górę i w dół czytają jedną poległą postać po drugiej, Home i End przechodzą do pierwszej i ostatniej, a Enter czyta cały wpis.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Wejście na wroga otwiera okno walki, a wrogowie na mapie stoją w miejscu, dopóki się nie zamknie. W każdej walce siła wroga jest losowana na nowo z jego własnego zakresu, a jego Życie jest równe tej sile: trzej wrogowie jednego koloru wyglądają tak samo, ale jeden jest silniejszy od drugiego. Na każdy Atak, Wybuch i Leczenie wróg odpowiada swoją turą, także na Leczenie przy pełnym Życiu. Nie odpowiada ciosem na Odwrót, na Wybuch ani Leczenie bez Magii ani na nic po jego pokonaniu.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>Tura wroga: robisz unik rzutem od 0 do wartości o jeden mniejszej niż twoja Zręczność, przeciw jego rzutowi od 1 do wartości jego siły. Jeśli wróg wyrzuci tyle co ty lub więcej, trafia cię i zadaje obrażenia od 0 do wartości o jeden mniejszej niż połowa jego siły, przy czym połowę nieparzystej siły zaokrągla się w górę.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>Odwrót kończy walkę i wróg nie odpowiada ciosem, ale zostaje na twoim polu i nie zachowuje żadnej ze swoich ran: następna walka z nim zaczyna się od nowa. Gdy wróg jest pokonany, Odwrót jest też sposobem, by odejść z wygraną: wróg na jakiś czas znika, a pasek umiejętności w jego kolorze rośnie.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Te szanse dotyczą nowej postaci z pełnym Życiem i Magią, która ani się nie leczy, ani nie wycofuje. Najsłabszego czerwonego wroga (siła %1) pokonuje samym Atakiem w %2% przypadków, ale najsilniejszego czerwonego (siła %3) tylko w %4% przypadków samym Atakiem i w %5%, gdy zaczyna od Wybuchu, najsłabszego pomarańczowego (siła %6) w %7% przypadków nawet wtedy, gdy zaczyna od Wybuchu, a silniejsze kolory najwyżej w %8% przypadków.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Zaczynaj od Wybuchu: nigdy nie chybia, a większość Ataków na silniejszego wroga chybia, wróg zaś odpowiada na oba tak samo. Gdy walka idzie źle albo jej pierwsze wiersze pokazują silnego wroga, wycofaj się – na Odwrót wróg nie odpowiada ciosem – i od razu zejdź strzałką z jego pola. Między walkami czekaj w rzędzie leczenia, aż twoje Życie i Magia znów będą pełne.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Jeśli nie da się utworzyć archiwum, gra mówi, gdzie nadal jest plik, a po następnym uruchomieniu znów grasz martwą postacią: z Życiem poniżej 1 ginie ona od pierwszego trafienia, nawet za 0, chyba że wcześniej się uleczy – w rzędzie leczenia (co może wymagać kilku zapełnień paska) albo Leczeniem w walce. W sali poległych nie ma wpisu o tej śmierci.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Siła, Zręczność, Mądrość, Życie lub Magia, które nie są liczbą, nie zatrzymują gry, ale walki i przyciski „+” ich nie przyjmują, dopóki nie naprawisz pliku. Każdy zapis tworzy cały nowy plik, zanim zastąpi nim stary, więc awaria nigdy nie zostawia połowy postaci; w folderze, który nie przyjmuje nowych plików, plik jest zamiast tego nadpisywany w miejscu jednym zapisem.</translation>
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
        <translation>poziom %1 z %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 procent</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Kolumna %1, rząd %2, rząd leczenia</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Kolumna %1, rząd %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>Nikogo więcej w zasięgu wzroku.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n pole w górę</numerusform>
            <numerusform>%n pola w górę</numerusform>
            <numerusform>%n pól w górę</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n pole w dół</numerusform>
            <numerusform>%n pola w dół</numerusform>
            <numerusform>%n pól w dół</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n pole w lewo</numerusform>
            <numerusform>%n pola w lewo</numerusform>
            <numerusform>%n pól w lewo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n pole w prawo</numerusform>
            <numerusform>%n pola w prawo</numerusform>
            <numerusform>%n pól w prawo</numerusform>
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
        <translation>%1 obok ciebie: %2.</translation>
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
        <translation>%1 na twoim polu: Spacja rozpoczyna walkę, strzałka odchodzi.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 na twoim polu.</translation>
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
        <translation>nagłówek bitmapy jest nieprawidłowy albo jej wiersze pikseli kończą się za wcześnie</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>to nie jest obraz w żadnym znanym formacie</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>ma więcej niż %1 bajtów</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>nie można do niego zapisać</translation>
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
        <translation>Walka</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Atak</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Zaatakuj wroga</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Wybuch</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Użyj Magii, by razić wroga wybuchem</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Leczenie</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Użyj Magii, by się uleczyć</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Odwrót</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Ucieknij z walki</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Wojak Chromara</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>Twoja Siła</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>Twoja Siła jako część sumy obu sił.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Siła wroga</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>Siła wroga jako część sumy obu sił.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Wróg</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Statystyki gracza</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Życie wroga</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Życie:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>Twoje Życie</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Życie wroga</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magia:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>Twoja Magia</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>Przebieg walki</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrukcja:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Życia wroga (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>Twojej Magii (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>INSTRUKCJA: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>WYBUCH: Zawsze trafiasz wroga wybuchem magii, zadając obrażenia do wartości Mądrości.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>LECZENIE: Magia leczy twoje rany. Maksymalną moc leczenia ogranicza twoja Mądrość.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>Nie ma wroga „%1”, z którym można walczyć, więc ta walka nie może się odbyć.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Chybiasz o -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Trafiasz o +%1 i zadajesz %n punkt obrażeń.</numerusform>
            <numerusform>Trafiasz o +%1 i zadajesz %n punkty obrażeń.</numerusform>
            <numerusform>Trafiasz o +%1 i zadajesz %n punktów obrażeń.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Razisz wroga wybuchem za %n punkt magii.</numerusform>
            <numerusform>Razisz wroga wybuchem za %n punkty magii.</numerusform>
            <numerusform>Razisz wroga wybuchem za %n punktów magii.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>Nie potrzebujesz leczenia!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Leczysz się za %n punkt magii.</numerusform>
            <numerusform>Leczysz się za %n punkty magii.</numerusform>
            <numerusform>Leczysz się za %n punktów magii.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>Wróg chybia o -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>Wróg trafia cię o +%1 i zadaje %n punkt obrażeń.</numerusform>
            <numerusform>Wróg trafia cię o +%1 i zadaje %n punkty obrażeń.</numerusform>
            <numerusform>Wróg trafia cię o +%1 i zadaje %n punktów obrażeń.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Nie żyjesz.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>Nie udało się wykonać tego ruchu: nic się nie stało.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>Twojej Zręczności (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Twojej Siły (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>Twojej Mądrości (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Twojego Życia (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Twojego maksymalnego Życia (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Siły wroga (%1) nie da się użyć w walce: nic się nie stało.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>Nie masz dostępnej magii.</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1 o sile %2 zabił cię. Ostatnie wiersze walki: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>Twoja Siła (%1) nie jest liczbą równą 0 lub większą, więc ta walka nie może się odbyć. Wróg zostaje na twoim polu: odejdź od niego i napraw plik.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Postać</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Siła:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Siła</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Zręczn.:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Zręczność</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Mądrość:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Mądrość</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Życie:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Życie</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Życie maksymalne</translation>
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
        <translation>Magia maksymalna</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Punkty:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Wydaj punkt na Siłę</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Wydaj punkt na Zręczność</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Wydaj punkt na Mądrość</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Wydaj punkt na Życie</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Wydaj punkt na Magię</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapa świata</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>Strzałki przesuwają cię o jedno pole; dolny rząd cię leczy i żaden wróg tam nie wchodzi.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Wróg fioletowy</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Wróg indygo</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Wróg niebieski</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Wróg zielony</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Wróg żółty</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Wróg pomarańczowy</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Wróg czerwony</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Umiejętności Chromara</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Umiejętność fioletowa</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg fioletowy dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Umiejętność indygo</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg indygo dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Umiejętność niebieska</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg niebieski dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Umiejętność zielona</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg zielony dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Umiejętność żółta</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg żółty dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Umiejętność pomarańczowa</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg pomarańczowy dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Umiejętność czerwona</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Poziom umiejętności; każdy pokonany wróg czerwony dodaje jeden poziom.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Czas do ruchu wrogów:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Czas do ruchu wrogów</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>Wrogowie ruszają się, gdy pasek się zapełni.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Czas do ruchu wrogów</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Symbole kolorów włączone</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Symbole kolorów wyłączone</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>Brak punktów do wydania: nadal jesteś na mapie, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>Zapisać i wyjść?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Zapisz i wyjdź</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Graj dalej</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: żadnego w zasięgu wzroku.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Instrukcja:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Naciśnij klawisz, aby grać</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Instrukcja: Jesteś Białym Kwadratem. Poruszasz się klawiszami strzałek. Na dole mapy jest rząd leczenia, bezpieczna strefa, do której wrogowie nie docierają.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Wejdź na pole wroga, by go zaatakować. Każde zwycięstwo daje Umiejętności Chromara. Gdy pasek koloru się zapełni, dostajesz punkty na rozwój postaci. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>WYBUCH: Zawsze razisz wroga magią, zadając obrażenia do wysokości twojej Mądrości.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>LECZENIE: Punkty magii leczą twoje rany. Maksymalną moc leczenia ogranicza twoja Mądrość.</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Naciśnij klawisz, aby grać.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>wiersz %1 pliku postaci jest krótszy niż jego klucz</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>wiersz %1 pliku postaci zawiera „%2”</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>plik postaci ma %1 z 15 wierszy</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>poziom umiejętności w wierszu %1 pliku postaci</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>ujemny poziom umiejętności w wierszu %1 pliku postaci</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>Nie znaleziono pliku postaci – zostanie utworzona nowa postać</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>Nie udało się zapisać postaci w %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>Nie udało się zarchiwizować martwej postaci jako %1 w %2 (%3).

Plik postaci nadal jest w %4.</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Wygrałeś. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Wygrałeś. %1 od nowa: pełny pasek dał ci %n punkt. %2.</numerusform>
            <numerusform>Wygrałeś. %1 od nowa: pełny pasek dał ci %n punkty. %2.</numerusform>
            <numerusform>Wygrałeś. %1 od nowa: pełny pasek dał ci %n punktów. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
