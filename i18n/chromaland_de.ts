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
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 passt nicht in 16 Bit</translation>
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
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>hier</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>Am nächsten: %1, %2.</translation>
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
        <translation>der Kopf der Bitmap ist unmöglich oder ihre Pixelzeilen enden zu früh</translation>
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
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>Deine Stärke (%1) ist keine Zahl ab 0, daher kann dieser Kampf nicht stattfinden. Du weichst vor dem Gegner zurück.</translation>
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
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>Dein Leben (%1) ist im Kampf nicht verwendbar: Es ist nichts passiert.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
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
        <source>Press a key to play.</source>
        <translation>Drück eine Taste, um zu spielen.</translation>
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
        <translation>die Charakterdatei hat %1 ihrer 15 Zeilen</translation>
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
</context>
</TS>
