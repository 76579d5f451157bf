<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameError</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s standard text (%1) with what it concerns (%2).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the values told after a battle&apos;s line, as in &quot;Your health: 8. Your magic: 10&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>LTR</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureBoxAccessible</name>
    <message>
        <source>level %1 of %2</source>
        <extracomment>A skill bar&apos;s level, e.g. &quot;level 3 of 18&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the bitmap&apos;s header is impossible or its pixel rows end early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a key to play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
