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
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 не помещается в 16 бит</translation>
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
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the values told after a battle&apos;s line, as in &quot;Your health: 8. Your magic: 10&quot;.</extracomment>
        <translation>. </translation>
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
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>здесь же</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>Ближайший: %1, %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The map&apos;s description: the nearest enemy (%1), then how to play on the map (%2).</extracomment>
        <translation>%1 %2</translation>
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
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>Твоя Сила (%1) — не число от 0 и выше, поэтому этот бой не может состояться. Ты отступаешь от врага.</translation>
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
            <numerusform>Магический взрыв на %n очко магии.</numerusform>
            <numerusform>Магический взрыв на %n очка магии.</numerusform>
            <numerusform>Магический взрыв на %n очков магии.</numerusform>
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
            <numerusform>Ты лечишься на %n очко магии.</numerusform>
            <numerusform>Ты лечишься на %n очка магии.</numerusform>
            <numerusform>Ты лечишься на %n очков магии.</numerusform>
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
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>Твоё Здоровье (%1) нельзя использовать в бою: ничего не произошло.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
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
        <translation>Символы цветов включены</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Символы цветов выключены</translation>
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
        <source>Press a key to play.</source>
        <translation>Нажми любую клавишу, чтобы начать.</translation>
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
        <translation>Не удалось сохранить погибшего персонажа в архив как %1 в %2 (%3).

Файл персонажа по-прежнему находится в %4.</translation>
    </message>
</context>
</TS>
