<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>«%1» — слишком большое число</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» — не число</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Сигнал врага включён</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Сигнал врага выключен</translation>
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
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типов</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути или файлу</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Недопустимое изображение</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Ошибка, определённая приложением или объектом</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Ошибка: %1 : %2</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Устройство недоступно</translation>
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
        <translation>Начинает игру.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Стрелки</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Перемещают тебя на одну клетку.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Включает и выключает цветовые значки.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Пока у тебя есть очки: переход от одной кнопки «+» к другой.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>На кнопке «+»: тратит очко.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Переход от одной кнопки к другой.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Нажимает кнопку, на которой стоит фокус.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Прокрутка справки.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Переход от одной ссылки к другой.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Переходит по ссылке, на которой стоит фокус.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Закрывает сообщение.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Нажимает кнопку «Атака».</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Нажимает кнопку «Взрыв».</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Нажимает кнопку «Лечение».</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Нажимает кнопку «Отход».</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Выделение всего текста справки и копирование выделенного.</translation>
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
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Enter (цифровой блок)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDn</translation>
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
        <translation>Буква, цифра, Пробел, Esc, Enter или Backspace</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Назад (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Крестовина или левый стик</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Бамперы (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Вверх и вниз крестовиной или левым стиком</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Закрывает зал.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Показывает полную запись выбранного персонажа.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Копирует эту запись как текст.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Спрашивает, сохранить ли персонажа и закончить игру.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Сохраняет персонажа и заканчивает игру.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Возвращает в игру.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Переход от одного павшего персонажа к другому; в записи — её прокрутка.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Переход между списком, записью и кнопкой «Закрыть».</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Прокрутка справки по страницам.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Выключает и включает звук игры.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Включает и выключает сигнал врага: после каждого шага звук указывает на ближайшего врага.</translation>
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
        <translation>AltGr</translation>
    </message>
    <message>
        <source>Super</source>
        <extracomment>The key with the desktop&apos;s or the system&apos;s logo.</extracomment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Ничего, даже боя: сами по себе это клавиши рабочего стола и программы экранного доступа.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Называет следующего видимого врага, начиная с ближайшего: его цвет и путь к нему. Затем каждый шаг называет путь к этому врагу.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Называет предыдущего врага, обратно к ближайшему.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Называет ближайшего врага одного цвета по числу точек его цветового значка: 1 красный, 2 оранжевый, 3 жёлтый, 4 зелёный, 5 синий, 6 индиго, 7 фиолетовый. Повторное нажатие: следующего врага этого цвета.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Чтение справки по строкам: программа экранного доступа читает каждую строку, до которой ты дошёл. С Ctrl или Alt сдвигается страница, а ты остаёшься на месте.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>По буквам; с Ctrl — по словам.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>На страницу вверх или вниз (Пробел — вниз, Shift+Пробел — вверх).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>В начало или конец строки; с Ctrl — справки.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Вместе с этими клавишами: выделяет пройденный текст.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Переход от одной ссылки к следующей: список в начале ведёт к каждому разделу.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>На ссылке: переводит к этому разделу справки и называет его.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Открывает зал павших: список погибших персонажей.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Открывает справку.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Закрывает справку.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Любая другая клавиша</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>Ничего не делает, только начинает бой с врагом на твоей клетке.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>Клавиша рабочего стола для закрытия окна: сохраняет персонажа и заканчивает игру.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>стрелки, которая уводит тебя с этой клетки</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1, пока у тебя есть очки</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Шаг на врага сразу начинает бой. С врагом, который стоит на твоей клетке (он пришёл к тебе или ты отступил), бой начинает следующая клавиша, нажатая на карте, кроме: %1.</translation>
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
        <translation>АТАКА: Ловкость решает, как часто ты попадаешь по врагу в бою. При попадании Сила определяет, сколько урона ты нанесёшь.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>ОТХОД: Ты убегаешь, прежде чем враг снова атакует.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (последний)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, уровень %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, сила %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Погиб</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Заработано очков</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Сила</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Ловкость</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Мудрость</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здоровье</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Магия</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Лучший навык</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Убийца</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
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
        <translation>Погиб %1, убийца: %2.
Заработано очков: %3 (не потрачено: %4).
Сила %5, Ловкость %6, Мудрость %7, Здоровье %8, Магия %9.
Уровни навыков: фиолетовый %10, синий %11, голубой %12, зелёный %13, жёлтый %14, оранжевый %15, красный %16.
Архив: %17

Последние строки боя:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
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
        <translation>Не удалось прочитать историю павших: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Пока не пал ни один персонаж.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Зал павших</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Запись</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Павшие персонажи, лучшие первыми: %n.</numerusform>
            <numerusform>Павшие персонажи, лучшие первыми: %n.</numerusform>
            <numerusform>Павшие персонажи, лучшие первыми: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Строки из %1, которые не удалось прочитать и которые пропущены: %n.</numerusform>
            <numerusform>Строки из %1, которые не удалось прочитать и которые пропущены: %n.</numerusform>
            <numerusform>Строки из %1, которые не удалось прочитать и которые пропущены: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Справка Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>Бой</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Твой персонаж</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Цветовые значки</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>С программой экранного доступа</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Фиолетовые: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Синие: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Голубые: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Зелёные: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Жёлтые: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Оранжевые: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Красные: сила от %1 до %2; полная полоса даёт очков: %3.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Пока у тебя есть очки, рядом с каждым твоим показателем — Силой, Ловкостью, Мудростью, Здоровьем и Магией — видна кнопка «+». Каждое нажатие тратит одно очко и повышает этот показатель на единицу; у Здоровья и Магии растут и текущее значение, и максимум.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Атака: ты бросаешь от 1 до своей Ловкости, враг — от 1 до своей силы. Если твой бросок выше, ты попадаешь и наносишь урон от 1 до своей Силы.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Взрыв: верное попадание магией с уроном от 1 до твоей Мудрости, но не больше здоровья врага и не больше твоей Магии; он стоит столько Магии, сколько урона наносит. Нужна хотя бы 1 единица Магии.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Лечение: превращает Магию в Здоровье — столько, сколько тебе не хватает, но не больше твоей Магии и не больше твоей Мудрости.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Когда Здоровье падает ниже 1, ты погибаешь. Персонаж сохраняется в последний раз, его файл становится архивом с именем Dead_ и временем и датой, и игра заканчивается. Следующий запуск начинается с новым персонажем.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>На титульном экране</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>На карте</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>В бою</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>В этой справке</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>В сообщении</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Если файла нет, игра сообщает об этом и создаёт нового персонажа. Свои картинки для карты, для тебя и для врагов клади в папку Graphics рядом с ним.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>Архив погибшего персонажа попадает в эту папку:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>Игра работает с программами экранного доступа, например с Orca. Титульный экран зачитывает свою инструкцию. На карте каждое нажатие стрелки сообщает твою новую клетку, а команда Orca «Сообщить о текущем положении» добавляет ближайшего врага и путь к нему; общий осмотр зачитывает твои показатели и уровни навыков. В бою строки каждого хода зачитываются вместе с твоими здоровьем и магией и здоровьем врага.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>Строки боя — это уведомления, и Orca хранит их в своём списке уведомлений. У команд, которые повторяют последние уведомления или позволяют пройти по списку, поначалу нет клавиш: назначь их на странице «Привязки клавиш» в параметрах Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>Кроме английского, игра говорит на языках: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Игра говорит на языке твоего рабочего стола (LANGUAGE, затем LC_ALL, LC_MESSAGES и LANG). Чтобы один раз сыграть на другом языке, запусти её из терминала, указав этот язык первым, например: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Советы новому персонажу</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Ты — белый квадрат на карте размером %1 на %2 клеток. Шагай на цветных врагов, чтобы сражаться с ними, трать очки, которые приносят победы, чтобы стать сильнее, и останься в живых.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Каждая победа добавляет уровень полосе навыка цвета врага; в бою уровни навыка ничего не значат. У полосы %1 уровней: когда она полна, следующая победа начинает её снова с уровня 1 и даёт тебе очки, тем больше, чем сильнее цвет:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 на карте включает и выключает цветовые значки, и игра запоминает выбор до следующего запуска.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>Клавиши-стрелки двигают тебя на одну клетку. Нижний ряд карты — целебный ряд: туда не заходит ни один враг. Каждый раз, когда заполняется полоса под картой, примерно раз в %1 с, целебный ряд возвращает тебе, пока ты в нём стоишь, десятую часть максимального Здоровья и максимальной Магии с округлением вниз, то есть ничего, пока максимум меньше %2.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>Полоса стоит на месте во время боя и пока открыта эта справка.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Если файл повреждён (не хватает строк, очки не число или уровни навыков не числа, отрицательные или слишком большие), игра сообщает, что не так, с кодом ошибки и завершается, оставляя файл точно таким, каким он был, чтобы ты мог его исправить или убрать.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Некоторые цвета врагов многим кажутся одинаковыми. Цветовые значки отмечают каждого врага и каждую полосу навыка точками, тем больше, чем сильнее цвет: красных одной, оранжевых двумя, жёлтых тремя, зелёных четырьмя, голубых пятью, синих шестью и фиолетовых семью. Ты становишься белым квадратом в чёрной рамке, с красным крестом, пока стоишь в целебном ряду.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Твои собственные картинки в папке Graphics заменяют значки, картинка за картинкой.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Всего %1 врагов, по %2 каждого цвета. Каждый цвет держится своей полосы рядов, и полосы перекрываются: фиолетовые у верха карты, затем синие, голубые, зелёные, жёлтые и оранжевые, а красные ниже всех; оранжевые и красные доходят до ряда прямо над целебным рядом.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>Фиолетовые враги — самые сильные, красные — самые слабые. Каждый раз, когда заполняется полоса под картой, каждый враг может сделать один шаг, а побеждённый враг возвращается в одном случае из трёх.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Показывает цветовые значки на карте и оставляет их включёнными.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>С геймпадом</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Геймпадом можно пройти всю игру, подключив его до запуска или во время игры; клавиши при этом продолжают работать.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>Кнопки названы по их положению, как на большинстве геймпадов: A — нижняя из четырёх кнопок справа, B — правая, X — левая, Y — верхняя, какие бы буквы или значки ни были на твоём геймпаде. Если удерживать крестовину или стик, они повторяют ход, как удерживаемая клавиша. Остальные кнопки ничего не делают.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>В зале павших</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>В игре хранится один персонаж, в этом файле:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>При вопросе «Сохранить и выйти?»</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Звук</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 на титульном экране, на карте и в бою выключает звук игры и включает его снова; игра запоминает выбор до следующего запуска, а %2 запускает её без звука. Без звукового сервера игра молчит и ничего об этом не сообщает.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Выключает звук игры до тех пор, пока его снова не включат.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Он сохраняется после каждого боя, который его изменил, после каждого потраченного очка и когда ты закрываешь карту. Выход из сеанса, выключение компьютера или остановка игры из терминала тоже его сохраняют. Бой, который ещё идёт, не сохраняется; уже выигранный бой засчитывается.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>Игра отмечает происходящее короткими звуками: шаг в ряд лечения и лечение там, враг, подошедший к тебе или на твою клетку, начало боя, твои попадания и промахи, магический удар, лечение, попадания и промахи врага, победа, шкала навыка, начавшаяся заново и давшая очки, потраченное очко и смерть.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Всё это также показывается на экране и сообщается программе чтения с экрана: ничего не передаётся только звуком.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>После каждого шага по карте сигнал врага указывает на ближайшего врага: он звучит слева или справа — там, где стоит враг, тем сильнее сбоку, чем дальше враг, и выше для врага над тобой и ниже для врага под тобой, так что за ним можно следить и одним ухом.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Два быстрых стука означают, что враг рядом с тобой. Сигнал включён, пока работает программа чтения с экрана; %1 на карте включает и выключает его, и игра запоминает выбор.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>После каждого шага по карте Orca также сообщает путь к ближайшему врагу, например «Красный враг: 2 клетки вверх, 1 клетка влево.». О враге, который оказался рядом с тобой или на твоей клетке, сообщается сразу, один раз, пока ты стоишь на месте; если он на твоей клетке, %1 начинает бой, а стрелка уводит прочь. Полоса под картой («Время до хода врагов») не зачитывается.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Чтобы выбрать врага на слух, %1 называет следующего видимого врага, начиная с ближайшего, с его цветом и путём к нему, а %2 — предыдущего. Цифровые клавиши от %3 до %4 называют ближайшего врага одного цвета по числу точек его цветового значка: 1 красный, 2 оранжевый, 3 жёлтый, 4 зелёный, 5 синий, 6 индиго, 7 фиолетовый; при повторном нажатии — следующего врага этого цвета. После каждого шага ты затем слышишь путь к выбранному врагу, пока он не побеждён. Ни одна из этих клавиш не начинает бой, как и Shift, Ctrl, Alt, Caps Lock, Insert и любая другая клавиша рабочего стола или программы экранного доступа.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Эта справка читается по строкам клавишами со стрелками; на названии раздела в списке в начале Enter переводит к этому разделу. Выигранный бой называет новый уровень навыка твоего цвета; смерть называет врага, который тебя убил, его силу и последние строки боя, прежде чем игра закончится. В зале павших (%1) Вверх и Вниз читают одного павшего персонажа за другим, Home и End переходят к первому и последнему, а Enter читает запись целиком.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Шаг на врага открывает окно боя, и враги на карте стоят на месте, пока оно не закроется. В каждом бою сила врага заново выпадает из его собственного диапазона, а его здоровье равно этой силе: три врага одного цвета выглядят одинаково, но один из них сильнее другого. На каждую Атаку, Взрыв и Лечение враг отвечает своим ходом, даже на Лечение при полном Здоровье. Он не наносит ответного удара ни на Отход, ни на Взрыв или Лечение без Магии, ни на что-либо после победы над ним.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>Ход врага: ты уклоняешься броском от 0 до числа на единицу меньше твоей Ловкости против его броска от 1 до его силы. Если его бросок не меньше твоего, он попадает по тебе и наносит урон от 0 до числа на единицу меньше половины его силы; половина нечётной силы округляется вверх.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>Отход выводит из боя, и враг не наносит ответного удара, но остаётся на твоей клетке и не сохраняет ни одной из своих ран: следующий бой с ним начинается заново. Когда враг побеждён, Отход — это ещё и способ уйти с победой: враг на время исчезает, а полоса навыка его цвета растёт.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Эти шансы — для нового персонажа с полными Здоровьем и Магией, который не лечится и не отступает. Самого слабого красного врага (сила %1) он побеждает одними Атаками в %2% случаев, а самого сильного красного (сила %3) — лишь в %4% случаев одними Атаками и в %5%, если начать со Взрыва, самого слабого оранжевого (сила %6) — в %7% случаев даже при Взрыве в начале, а более сильные цвета — не больше чем в %8% случаев.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Начинай со Взрыва: он никогда не промахивается, а большинство Атак против более сильного врага — промахи, и враг отвечает на то и другое одинаково. Если бой идёт плохо или его первые строки показывают сильного врага, отступи — на Отход враг не отвечает ударом — и сразу уйди с его клетки стрелкой. Между боями жди в целебном ряду, пока Здоровье и Магия снова не станут полными.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Если архив создать не удалось, игра сообщает, где всё ещё лежит файл, и при следующем запуске ты снова играешь погибшим персонажем: со Здоровьем ниже 1 его убивает первое же попадание, даже на 0, если только он сначала не вылечится — в целебном ряду (на это может уйти несколько заполнений полосы) или Лечением в бою. В зале павших нет записи об этой смерти.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Сила, Ловкость, Мудрость, Здоровье или Магия, которые не являются числом, не останавливают игру, но бои и кнопки «+» их не принимают, пока ты не исправишь файл. Каждое сохранение записывает целиком новый файл, прежде чем заменить им старый, так что сбой никогда не оставит половину персонажа; в папке, где нельзя создавать новые файлы, файл вместо этого перезаписывается на месте за одну запись.</translation>
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
        <translation>уровень %1 из %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Столбец %1, ряд %2, целебный ряд</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Столбец %1, ряд %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>Больше никого не видно.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n клетка вверх</numerusform>
            <numerusform>%n клетки вверх</numerusform>
            <numerusform>%n клеток вверх</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n клетка вниз</numerusform>
            <numerusform>%n клетки вниз</numerusform>
            <numerusform>%n клеток вниз</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n клетка влево</numerusform>
            <numerusform>%n клетки влево</numerusform>
            <numerusform>%n клеток влево</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n клетка вправо</numerusform>
            <numerusform>%n клетки вправо</numerusform>
            <numerusform>%n клеток вправо</numerusform>
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
        <translation>%1 рядом с тобой: %2.</translation>
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
        <translation>%1 на твоей клетке: Пробел — бой, стрелка — уйти.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 на твоей клетке.</translation>
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
        <translation>заголовок растрового изображения недопустим или строки пикселей обрываются раньше времени</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>не изображение ни в одном известном формате</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>больше %1 байт</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>недоступен для записи</translation>
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
        <translation>Бой</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Атака</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Атаковать врага</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Взрыв</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Ударить врага взрывом Магии</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Лечение</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Вылечиться с помощью Магии</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Отход</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Сбежать из боя</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Воин Хромары</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>Твоя сила</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>Твоя Сила как доля от суммы обеих сил.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Сила врага</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>Сила врага как доля от суммы обеих сил.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Враг</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Показатели игрока</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Здоровье врага</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Здор.:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>Твоё здоровье</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Здоровье врага</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Магия:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>Твоя магия</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>Ход боя</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Инструкция:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Здоровье врага (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>Твою Магию (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>ИНСТРУКЦИЯ: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>ВЗРЫВ: Магический взрыв бьёт врага без промаха, нанося урон до твоей Мудрости.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>ЛЕЧЕНИЕ: Лечи любые раны магией. Сила лечения ограничена твоей Мудростью.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>Врага «%1» нет, поэтому этот бой не может состояться.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Промах на -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Попадание на +%1: ты наносишь %n единицу урона.</numerusform>
            <numerusform>Попадание на +%1: ты наносишь %n единицы урона.</numerusform>
            <numerusform>Попадание на +%1: ты наносишь %n единиц урона.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Ты бьёшь врага магическим взрывом, потратив %n очко магии.</numerusform>
            <numerusform>Ты бьёшь врага магическим взрывом, потратив %n очка магии.</numerusform>
            <numerusform>Ты бьёшь врага магическим взрывом, потратив %n очков магии.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>Тебе не нужно лечение!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Ты лечишься, потратив %n очко магии.</numerusform>
            <numerusform>Ты лечишься, потратив %n очка магии.</numerusform>
            <numerusform>Ты лечишься, потратив %n очков магии.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>Враг промахнулся на -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>Враг попадает по тебе на +%1 и наносит %n единицу урона.</numerusform>
            <numerusform>Враг попадает по тебе на +%1 и наносит %n единицы урона.</numerusform>
            <numerusform>Враг попадает по тебе на +%1 и наносит %n единиц урона.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Ты погиб.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>Этот ход не удалось выполнить: ничего не произошло.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>Твою Ловкость (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Твою Силу (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>Твою Мудрость (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Твоё Здоровье (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Твоё максимальное Здоровье (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Силу врага (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>У тебя не осталось магии.</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1 с силой %2 убил тебя. Последние строки боя: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>Твоя Сила (%1) — не число от 0 и больше, поэтому этот бой не может состояться. Враг остаётся на твоей клетке: отойди от него и исправь файл.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Персонаж</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Сила:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Сила</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Ловк.:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Ловкость</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Мудр.:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Мудрость</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Здор.:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Здоровье</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Максимум здоровья</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Магия:</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Магия</translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation>Максимум магии</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Потратить очко на Силу</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Потратить очко на Ловкость</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Потратить очко на Мудрость</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Потратить очко на Здоровье</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Потратить очко на Магию</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Карта мира</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>Стрелки перемещают тебя на одну клетку; нижний ряд — целебный: он лечит тебя, и враги туда не заходят.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ты</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Фиолетовый враг</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Синий враг</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Голубой враг</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Зелёный враг</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Жёлтый враг</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Оранжевый враг</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Красный враг</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Навыки Хромары</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Фиолетовый навык</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый фиолетовый враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Синий навык</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый синий враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Голубой навык</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый голубой враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Зелёный навык</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый зелёный враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Жёлтый навык</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый жёлтый враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Оранжевый навык</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый оранжевый враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Красный навык</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Уровень навыка; каждый побеждённый красный враг добавляет единицу.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Время до хода врагов:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Время до хода врагов</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>Враги ходят, когда полоса заполнится.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Сколько осталось до хода врагов</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Цветовые значки включены</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Цветовые значки выключены</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>Очков нет: ты по-прежнему на карте, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>Сохранить и выйти?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Сохранить и выйти</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Играть дальше</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: ни одного не видно.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Инструкция:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Нажми любую клавишу</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Инструкция: Ты — Белый Квадрат. Ходи клавишами-стрелками. Внизу карты — целебный ряд, безопасная зона, куда злодеи не доберутся.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Шагни на цветного врага, чтобы напасть. Каждая победа растит Навыки Хромары. Полная цветная полоса даёт очки для роста способностей. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>ВЗРЫВ: Магия бьёт врага без промаха, нанося урон до твоей Мудрости.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>ЛЕЧЕНИЕ: Лечи любые раны очками магии. Сила лечения ограничена твоей Мудростью.</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Нажми любую клавишу, чтобы играть.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>строка %1 файла персонажа короче своего ключа</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>строка %1 файла персонажа содержит «%2»</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>в файле персонажа %1 из 15 строк</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>уровень навыка в строке %1 файла персонажа</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>отрицательный уровень навыка в строке %1 файла персонажа</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>Файл персонажа не найден — будет создан новый персонаж</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>Не удалось сохранить персонажа в %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>Не удалось заархивировать погибшего персонажа под именем %1 в папку %2 (%3).

Файл персонажа по-прежнему находится в %4.</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Ты победил. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Ты победил. %1 снова: полная полоса дала тебе %n очко. %2.</numerusform>
            <numerusform>Ты победил. %1 снова: полная полоса дала тебе %n очка. %2.</numerusform>
            <numerusform>Ты победил. %1 снова: полная полоса дала тебе %n очков. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
