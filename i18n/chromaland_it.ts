<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>&quot;%1&quot; è troppo grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; non è un numero</translation>
    </message>
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 non sta in 16 bit</translation>
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
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>proprio qui</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>Il più vicino: %1, %2.</translation>
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
        <translation>l&apos;intestazione della bitmap è impossibile o le sue righe di pixel finiscono prima del previsto</translation>
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
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>più grande di %1 byte</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>non è scrivibile</translation>
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
        <translation>Non c&apos;è nessun nemico &quot;%1&quot; da combattere, quindi questa battaglia non può avere luogo.</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>La tua Forza (%1) non è un numero pari o superiore a 0, quindi questa battaglia non può avere luogo. Ti allontani dal nemico.</translation>
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
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>La tua Salute (%1) non si può usare in battaglia: non è successo nulla.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
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
        <translation>Tempo alla mossa dei nemici:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Tempo alla mossa dei nemici</translation>
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
        <translation>Istruzioni: Sei il Quadrato Bianco. Muoviti con i tasti cursore. In fondo alla mappa c&apos;è la zona di guarigione, un posto sicuro dove i cattivi non possono raggiungerti.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Muoviti su un colore nemico per attaccarlo. Ogni nemico ucciso ti dà Abilità Chromara. Quando una barra di colore è piena ottieni punti extra per migliorarti. </translation>
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
        <source>Press a key to play.</source>
        <translation>Premi un tasto per giocare.</translation>
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
        <translation>la riga %1 del file del personaggio contiene &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>il file del personaggio ha %1 delle sue 15 righe</translation>
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
</context>
</TS>
