<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>&quot;%1&quot; es demasiado grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; no es un número</translation>
    </message>
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 no cabe en 16 bits</translation>
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
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Los tipos no coinciden</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Error: %1 : %2</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>ATACAR: Tu Destreza decide cuántas veces aciertas al enemigo en combate. Si aciertas, tu Fuerza determina cuánto daño causas.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RETIRARSE: Huyes antes del siguiente ataque enemigo.</translation>
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
        <translation>nivel %1 de %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 por ciento</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Columna %1, fila %2, fila de curación</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Columna %1, fila %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>No hay nadie más a la vista.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n casilla arriba</numerusform>
            <numerusform>%n casillas arriba</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n casilla abajo</numerusform>
            <numerusform>%n casillas abajo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n casilla a la izquierda</numerusform>
            <numerusform>%n casillas a la izquierda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n casilla a la derecha</numerusform>
            <numerusform>%n casillas a la derecha</numerusform>
        </translation>
    </message>
    <message>
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>aquí mismo</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>Más cercano: %1, %2.</translation>
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
        <translation>la cabecera del mapa de bits es imposible o sus filas de píxeles terminan antes de tiempo</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>no es una imagen en ningún formato conocido</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>mayor de %1 bytes</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>no se puede escribir</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>Combate</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Atacar</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Ataca al enemigo</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Fulminar</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Usa la Magia para fulminar al enemigo</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Curar</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Usa la Magia para curarte</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Retirarse</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Huye del combate</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Héroe Chromara</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>Tu fuerza</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>Tu Fuerza, como parte de la suma de ambas fuerzas.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Fuerza del enemigo</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>La fuerza del enemigo, como parte de la suma de ambas fuerzas.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Enemigo</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Tus estadísticas</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Salud del enemigo</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Salud:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>Tu salud</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Salud del enemigo</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magia:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>Tu magia</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>Estado del combate</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>La salud del enemigo (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>Tu Magia (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>INSTRUCCIONES: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>FULMINAR: Golpea al enemigo con magia sin fallar y causa un daño de hasta tu Sabiduría.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>CURAR: Usa tu magia para curar heridas. Tu Sabiduría limita tu poder de curación máximo.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>No hay ningún enemigo &quot;%1&quot; contra el que luchar, así que este combate no puede tener lugar.</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>Tu Fuerza (%1) no es un número igual o mayor que 0, así que este combate no puede tener lugar. Te alejas del enemigo.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Fallas por -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Aciertas por +%1 y causas %n de daño.</numerusform>
            <numerusform>Aciertas por +%1 y causas %n de daño.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Fulminas al enemigo con %n punto de magia.</numerusform>
            <numerusform>Fulminas al enemigo con %n puntos de magia.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>¡No necesitas curarte!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Te curas con %n punto de magia.</numerusform>
            <numerusform>Te curas con %n puntos de magia.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>El enemigo falla por -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>El enemigo te acierta por +%1 y te causa %n de daño.</numerusform>
            <numerusform>El enemigo te acierta por +%1 y te causa %n de daño.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Has muerto.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>No se pudo realizar esa acción: no ocurrió nada.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>Tu Destreza (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Tu Fuerza (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>Tu Sabiduría (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>Tu Salud (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Tu Salud máxima (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>La fuerza del enemigo (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>No te queda magia disponible.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Fuerza:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Destreza:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destreza</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Sabid.:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Salud:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Salud máxima</translation>
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
        <translation>Magia máxima</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Gastar un punto en Fuerza</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Gastar un punto en Destreza</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Gastar un punto en Sabiduría</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Gastar un punto en Salud</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Gastar un punto en Magia</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapa del mundo</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>Las teclas de flecha te mueven una casilla; la fila inferior te cura y ningún enemigo entra en ella.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Enemigo violeta</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Enemigo índigo</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Enemigo azul</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Enemigo verde</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Enemigo amarillo</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Enemigo naranja</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Enemigo rojo</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Habilidades Chromara</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Habilidad violeta</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo violeta derrotado suma uno.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Habilidad índigo</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo índigo derrotado suma uno.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Habilidad azul</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo azul derrotado suma uno.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Habilidad verde</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo verde derrotado suma uno.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Habilidad amarilla</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo amarillo derrotado suma uno.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Habilidad naranja</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo naranja derrotado suma uno.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Habilidad roja</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Nivel de habilidad; cada enemigo rojo derrotado suma uno.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Tiempo hasta el turno enemigo:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Tiempo hasta que se muevan los enemigos</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>Los enemigos se mueven cuando la barra se llena.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Tiempo antes de que se muevan los enemigos</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Símbolos de color activados</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Símbolos de color desactivados</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Pulsa una tecla para jugar</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Instrucciones: Eres el Cuadrado Blanco. Muévete con las teclas de cursor. La parte inferior del mapa es la zona de curación, un lugar seguro donde los malos no te alcanzan.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Choca con un color enemigo para atacarlo. Cada victoria te da Habilidades Chromara. Al llenar una barra de color ganas puntos extra para subir tus atributos. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>FULMINAR: Golpea al enemigo con magia sin fallar y causa un daño de hasta tu Sabiduría.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>CURAR: Usa tus puntos de magia para curar tus heridas. Tu Sabiduría limita tu poder de curación.</translation>
    </message>
    <message>
        <source>Press a key to play.</source>
        <translation>Pulsa una tecla para jugar.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>la línea %1 del archivo del personaje es más corta que su clave</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>la línea %1 del archivo del personaje contiene &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>el archivo del personaje tiene %1 de sus 15 líneas</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>nivel de habilidad en la línea %1 del archivo del personaje</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>nivel de habilidad negativo en la línea %1 del archivo del personaje</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>No se encontró el archivo del personaje: se creará un personaje nuevo</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el personaje en %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>No se pudo archivar el personaje muerto como %1 en %2 (%3).

El archivo del personaje sigue en %4.</translation>
    </message>
</context>
</TS>
