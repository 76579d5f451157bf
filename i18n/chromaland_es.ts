<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>«%1» es demasiado grande</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» no es un número</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Aviso del enemigo activado</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Aviso del enemigo desactivado</translation>
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
    <message>
        <source>Device unavailable</source>
        <translation>Dispositivo no disponible</translation>
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
        <translation>Empieza la partida.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Te mueven una casilla.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Activa y desactiva los símbolos de color.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Mientras tengas puntos: pasar de un botón «+» al siguiente.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>En un botón «+»: gasta un punto.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Pasar de un botón al siguiente.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Acciona el botón que tiene el foco.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Desplazarse por la ayuda.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Pasar de un enlace al siguiente.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Sigue el enlace que tiene el foco.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Cierra el mensaje.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Acciona el botón «Atacar».</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Acciona el botón «Fulminar».</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Acciona el botón «Curar».</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Acciona el botón «Retirarse».</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Selecciona todo el texto de la ayuda y copia lo seleccionado.</translation>
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
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Intro (teclado numérico)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>RePág</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>AvPág</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <extracomment>The names of the keys held with another, as in &quot;Ctrl+A&quot;.</extracomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>A letter, a digit, Space, Esc, Return or Backspace</source>
        <translation>Una letra, un número, Espacio, Esc, Intro o Retroceso</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Atrás (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Cruceta o stick izquierdo</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Botones superiores (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Arriba y abajo en la cruceta o el stick izquierdo</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Cierra el salón.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Muestra el registro completo del personaje elegido.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Copia ese registro como texto.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Pregunta si quieres guardar tu personaje y terminar la partida.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Guarda tu personaje y termina la partida.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Vuelve a la partida.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Pasar de un personaje caído a otro; en el registro, desplazarse por él.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Pasar entre la lista, el registro y el botón Cerrar.</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Desplazarse por la ayuda página a página.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Silencia el juego y le devuelve el sonido.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Activa y desactiva el aviso del enemigo: tras cada paso, un sonido que señala al enemigo más cercano.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>The key right of the space bar that types a keyboard&apos;s third letters.</extracomment>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Super</source>
        <extracomment>The key with the desktop&apos;s or the system&apos;s logo.</extracomment>
        <translation>Súper</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Nada en absoluto, ni siquiera un combate: solas, son las teclas de tu escritorio y de tu lector de pantalla.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Dice el siguiente enemigo a la vista, el más cercano primero: su color y el camino hasta él. Después, cada paso dice el camino hasta ese enemigo.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Dice el enemigo anterior, de vuelta hacia el más cercano.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Dice el enemigo más cercano de un color, según los puntos de su símbolo de color: 1 rojo, 2 naranja, 3 amarillo, 4 verde, 5 azul, 6 índigo, 7 violeta. Pulsada otra vez: el siguiente de ese color.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Leer la ayuda línea a línea: un lector de pantalla lee cada línea a la que llegas. Con Ctrl o Alt se mueve la página y tú te quedas donde estás.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>Letra a letra; con Ctrl, palabra a palabra.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>Una página arriba o abajo (Espacio: abajo, Mayús+Espacio: arriba).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>Al principio o al final de la línea; con Ctrl, de la ayuda.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Con esas teclas: selecciona el texto que recorres.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Pasar de un enlace al siguiente: la lista del principio enlaza con cada parte.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>En un enlace: te lleva a esa parte de la ayuda, que se anuncia por su nombre.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Abre el salón de los caídos: los personajes que murieron.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Abre la ayuda.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Cierra la ayuda.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Cualquier otra tecla</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>No hace nada salvo luchar contra un enemigo que esté en tu casilla.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>La tecla de tu escritorio para cerrar una ventana: guarda tu personaje y termina la partida.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>una tecla de flecha que te saque de la casilla</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1 mientras tengas puntos</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Chocar con un enemigo te hace luchar contra él enseguida. Contra un enemigo que está en tu casilla (porque vino hacia ti o porque te retiraste) luchas con la siguiente tecla que pulses en el mapa, excepto: %1.</translation>
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
        <translation>ATACAR: Tu Destreza decide cuántas veces aciertas al enemigo en combate. Si aciertas, tu Fuerza determina cuánto daño causas.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RETIRARSE: Huyes antes del siguiente ataque enemigo.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (el más reciente)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, nivel %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, fuerza %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Murió</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Puntos ganados</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destreza</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Mejor habilidad</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Derrotado por</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
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
        <translation>Murió el %1, derrotado por: %2.
Puntos ganados: %3 (sin gastar: %4).
Fuerza %5, Destreza %6, Sabiduría %7, Salud %8, Magia %9.
Niveles de habilidad: violeta %10, índigo %11, azul %12, verde %13, amarillo %14, naranja %15, rojo %16.
Archivo: %17

Las últimas líneas del combate:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocidos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell of the hall of the fallen as a screen reader says it: %1 the column (&quot;Points earned&quot;), %2 the cell.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time of a death, as a date format of Qt: d the day, MMMM the month&apos;s name, yyyy the year, HH:mm the time; quote other letters (&apos;de&apos;). The month&apos;s name keeps the date from reading two ways.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>The history of the fallen could not be read: %1</source>
        <extracomment>%1 is the history file&apos;s path and the reason it could not be read.</extracomment>
        <translation>No se pudo leer el historial de los caídos: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Todavía no ha caído ningún personaje.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Salón de los caídos</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Registro</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Personajes caídos, el mejor primero: %n.</numerusform>
            <numerusform>Personajes caídos, el mejor primero: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Líneas de %1 que no se pudieron leer y se omitieron: %n.</numerusform>
            <numerusform>Líneas de %1 que no se pudieron leer y se omitieron: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Ayuda de Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>El combate</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Tu personaje</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Símbolos de color</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>Con un lector de pantalla</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Violeta: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Índigo: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Azul: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Verde: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Amarillo: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Naranja: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Rojo: fuerza de %1 a %2; una barra llena da %3 puntos.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Mientras tengas puntos, junto a cada una de tus estadísticas aparece un botón «+»: Fuerza, Destreza, Sabiduría, Salud y Magia. Cada pulsación gasta un punto y sube esa estadística en uno; en Salud y Magia suben tanto el valor como su máximo.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Atacar: tiras de 1 a tu Destreza, y el enemigo, de 1 a su fuerza. Si tu tirada es mayor, aciertas y causas de 1 a tu Fuerza de daño.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Fulminar: un golpe mágico seguro que causa de 1 a tu Sabiduría de daño, nunca más que la salud del enemigo ni más que la Magia que tienes; cuesta tanta Magia como daño causa. Necesitas al menos 1 de Magia.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Curar: convierte Magia en Salud, tanta como te falte, pero no más que tu Magia ni más que tu Sabiduría.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Cuando tu Salud baja de 1, mueres. Tu personaje se guarda una última vez, su archivo se archiva con el nombre Dead_ seguido de la hora y la fecha, y la partida termina. El siguiente inicio empieza con un personaje nuevo.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>En la pantalla de título</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>En el mapa</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>En un combate</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>En esta ayuda</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>En un mensaje</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Si falta el archivo, el juego lo avisa y crea un personaje nuevo. Tus propias imágenes para el mapa, para ti y para los enemigos van en la carpeta Graphics, junto a él.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>El archivo de un personaje muerto se archiva en esta carpeta:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>El juego habla con lectores de pantalla como Orca. La pantalla de título lee sus instrucciones. En el mapa, cada tecla de flecha dice tu nueva casilla, y «¿Dónde estoy?» de Orca añade el enemigo más cercano y el camino hasta él; la revisión de Orca lee tus estadísticas y niveles de habilidad. En un combate, las líneas de cada acción se anuncian con tu salud, tu magia y la salud del enemigo.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>Las líneas del combate son notificaciones, que Orca guarda en su lista de mensajes de notificación. Sus órdenes para volver a oír las últimas o recorrer la lista no tienen teclas al principio: asígnales teclas en «Atajos de teclado», en las preferencias de Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>Además del inglés, el juego habla: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Habla el idioma de tu escritorio (LANGUAGE, después LC_ALL, LC_MESSAGES y LANG). Para jugar una vez en otro idioma, inícialo desde un terminal con ese idioma delante, por ejemplo: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Consejos para un personaje nuevo</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Eres el cuadrado blanco en un mapa de %1 por %2 casillas. Choca con los enemigos de colores para luchar contra ellos, gasta los puntos que te dan las victorias para hacerte más fuerte y sigue con vida.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Cada victoria añade un nivel a la barra de habilidad del color del enemigo; los niveles de habilidad no cuentan en los combates. Una barra tiene %1 niveles: cuando está llena, la siguiente victoria la hace empezar de nuevo en el nivel 1 y te da puntos, más cuanto más fuerte es el color:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 en el mapa activa y desactiva los símbolos de color, y el juego conserva la elección para el siguiente inicio.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>Las teclas de flecha te mueven una casilla cada vez. La fila inferior del mapa es la fila de curación: ningún enemigo entra nunca en ella. Cada vez que se llena la barra bajo el mapa, más o menos cada %1 segundos, estar en la fila de curación te devuelve una décima parte de tu Salud máxima y de tu Magia máxima, redondeada hacia abajo, así que nada mientras un máximo sea menor que %2.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>La barra se detiene durante un combate y mientras esta ayuda está abierta.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Cuando el archivo está dañado (faltan líneas, los puntos no son un número, o los niveles de habilidad no son números, son negativos o demasiado grandes), el juego dice qué falla con un código de error y termina, y deja el archivo exactamente como estaba para que puedas arreglarlo o apartarlo.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Algunos colores de los enemigos se parecen a muchos ojos. Los símbolos de color marcan cada enemigo y cada barra de habilidad con puntos, más cuanto más fuerte es el color: rojo uno, naranja dos, amarillo tres, verde cuatro, azul cinco, índigo seis y violeta siete. Tú pasas a ser un cuadrado blanco con marco negro, con una cruz roja mientras estás en la fila de curación.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Tus propias imágenes en la carpeta Graphics ocupan el lugar de los símbolos, imagen por imagen.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Hay %1 enemigos, %2 de cada color. Cada color se mantiene en su propia franja de filas, y las franjas se solapan: el violeta cerca de la parte de arriba del mapa, luego el índigo, el azul, el verde, el amarillo y el naranja, y el rojo el más bajo; el naranja y el rojo llegan los dos hasta la fila justo encima de la fila de curación.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>Los enemigos violetas son los más fuertes, y los rojos, los más débiles. Cada vez que se llena la barra bajo el mapa, cada enemigo puede dar un paso, y un enemigo derrotado vuelve una de cada tres veces.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Muestra los símbolos de color en el mapa y los deja activados.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>Con un mando</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Con un mando se juega la partida entera, conectado antes de empezar o durante el juego; las teclas siguen funcionando a la vez.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>Los botones se nombran por su posición, como en la mayoría de los mandos: A es el inferior de los cuatro botones de la derecha, B el de la derecha, X el de la izquierda e Y el superior, sean cuales sean las letras o los símbolos de tu mando. Si los mantienes pulsados, la cruceta y el stick se repiten como una tecla mantenida. Los demás botones no hacen nada.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>En el salón de los caídos</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>El juego conserva un único personaje, en este archivo:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>Al preguntar si guardar y salir</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 en el título, en el mapa y en una batalla silencia el juego y le devuelve el sonido; el juego recuerda la elección para el siguiente inicio, y %2 lo inicia en silencio. Sin un servidor de sonido el juego queda en silencio y no dice nada de ello.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Silencia el juego y lo mantiene en silencio hasta que se vuelva a activar el sonido.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Se guarda después de cada combate que lo haya cambiado, de cada punto que gastes y al cerrar el mapa. Cerrar la sesión, apagar el equipo o detener el juego desde una terminal también lo guarda. Un combate aún en curso no se guarda; un combate ya ganado se conserva.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>El juego señala lo que ocurre con sonidos cortos: un paso a la fila de curación y la curación allí, un enemigo que llega a tu lado o a tu casilla, el comienzo de una batalla, tus aciertos y fallos, una descarga, una curación, los aciertos y fallos del enemigo, una victoria, una barra de habilidad que vuelve a empezar y da puntos, un punto gastado y la muerte.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Cada uno de ellos también se muestra en la pantalla y se comunica al lector de pantalla: nada se dice solo con sonido.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>Tras cada paso en el mapa, el aviso del enemigo señala al enemigo más cercano: llega por la izquierda o por la derecha según el enemigo esté a tu izquierda o a tu derecha, más hacia ese lado cuanto más lejos está, y suena más agudo para un enemigo por encima de ti y más grave para uno por debajo, de modo que también se puede seguir con un solo oído.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Dos golpes rápidos significan que el enemigo está a tu lado. El aviso está activado mientras funciona un lector de pantalla; %1 en el mapa lo activa o lo desactiva, y el juego recuerda la elección.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>Tras cada paso en el mapa, Orca también dice el camino hasta el enemigo más cercano, por ejemplo «Enemigo rojo: 2 casillas arriba, 1 casilla a la izquierda.». Un enemigo que llega a tu lado o a tu casilla se anuncia enseguida, una sola vez mientras no te muevas; en tu casilla, %1 lo combate y una tecla de flecha te aparta. La barra bajo el mapa («Tiempo hasta el turno enemigo») no se lee en voz alta.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Para elegir un enemigo de oído, %1 dice el siguiente enemigo a la vista, el más cercano primero, con su color y el camino hasta él, y %2 el anterior. Las teclas numéricas de %3 a %4 dicen el enemigo más cercano de un color, según los puntos de su símbolo de color: 1 rojo, 2 naranja, 3 amarillo, 4 verde, 5 azul, 6 índigo, 7 violeta; pulsadas otra vez, el siguiente de ese color. Después de cada paso oyes el camino hasta el enemigo elegido, hasta que lo derrotes. Ninguna de estas teclas empieza un combate, como tampoco Mayús, Ctrl, Alt, Bloq Mayús, Insert ni ninguna otra tecla de tu escritorio o de tu lector de pantalla.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Esta ayuda se lee línea a línea con las teclas de flecha; sobre el nombre de una parte en la lista del principio, Intro te lleva a esa parte. Un combate ganado dice el nuevo nivel de habilidad de tu color; una muerte dice qué enemigo te mató, su fuerza y las últimas líneas del combate, antes de que termine el juego. En el salón de los caídos (%1), Arriba y Abajo leen un personaje caído tras otro, Inicio y Fin van al primero y al último, e Intro lee el registro completo.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Chocar con un enemigo abre la ventana de combate, y los enemigos del mapa se quedan quietos hasta que se cierra. En cada combate, la fuerza del enemigo se sortea de nuevo dentro del rango propio de ese enemigo, y su salud es esa fuerza: los tres enemigos de un color se parecen, pero unos son más fuertes que otros. El enemigo responde con su turno a cada Atacar, Fulminar y Curar, también a un Curar con la Salud llena. No contraataca ante Retirarse, ante Fulminar o Curar sin Magia, ni ante nada después de la victoria.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>El turno del enemigo: esquivas con una tirada de 0 a tu Destreza menos uno, contra su tirada de 1 a su fuerza. Si su tirada iguala o supera la tuya, te golpea y causa de 0 a la mitad de su fuerza menos uno de daño, con la mitad de una fuerza impar redondeada hacia arriba.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>Retirarse abandona el combate, y el enemigo no contraataca, pero sigue en tu casilla y no conserva ninguna de sus heridas: el siguiente combate con él empieza de cero. Una vez derrotado el enemigo, Retirarse es también la forma de salir con la victoria: el enemigo desaparece durante un tiempo y la barra de habilidad de su color crece.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Estas probabilidades son para un personaje nuevo con la Salud y la Magia llenas que ni se cura ni se retira. Vence al enemigo rojo más débil (fuerza %1) el %2&#xa0;% de las veces solo con Atacar, pero al rojo más fuerte (fuerza %3) apenas el %4&#xa0;% de las veces solo con Atacar y el %5&#xa0;% usando primero Fulminar; al naranja más débil (fuerza %6), el %7&#xa0;% de las veces incluso usando primero Fulminar, y a los colores más fuertes, como mucho el %8&#xa0;% de las veces.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Usa primero Fulminar: nunca falla, mientras que la mayoría de los ataques contra un enemigo más fuerte sí fallan, y el enemigo responde igual a ambos. Cuando un combate va mal, o sus primeras líneas muestran un enemigo fuerte, retírate (ante eso no contraataca) y sal enseguida de su casilla con una tecla de flecha. Entre combates, espera en la fila de curación hasta que tu Salud y tu Magia vuelvan a estar llenas.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Si no se puede archivar, el juego dice dónde sigue el archivo, y el siguiente inicio vuelve a jugar con el personaje muerto: con la Salud por debajo de 1, el primer golpe que recibe acaba con él, incluso un golpe de 0, a menos que antes se cure, en la fila de curación (lo que puede requerir que la barra se llene varias veces) o con Curar en un combate. El salón de los caídos no tiene registro de esa muerte.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Una Fuerza, Destreza, Sabiduría, Salud o Magia que no sea un número no detiene el juego, pero los combates y los botones «+» la rechazan hasta que arregles el archivo. Cada guardado escribe un archivo nuevo completo antes de sustituir el antiguo, así que un fallo nunca deja medio personaje; en una carpeta que no admite archivos nuevos, el archivo se reescribe en su sitio, de una sola escritura.</translation>
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
        <translation>%1 a tu lado: %2.</translation>
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
        <translation>%1 en tu casilla: Espacio lo combate, una tecla de flecha te aparta.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 en tu casilla.</translation>
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
        <translation>la cabecera del mapa de bits no es válida o sus filas de píxeles terminan antes de tiempo</translation>
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
        <translation>No hay ningún enemigo «%1» contra el que luchar, así que este combate no puede tener lugar.</translation>
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
        <translation>Tu Salud (%1) no se puede usar en combate: no ocurrió nada.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
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
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1, de fuerza %2, te ha matado. Las últimas líneas del combate: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>Tu Fuerza (%1) no es un número igual o mayor que 0, así que este combate no puede tener lugar. El enemigo sigue en tu casilla: apártate de él y arregla el archivo.</translation>
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
        <translation>Tiempo hasta el turno enemigo</translation>
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
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>No tienes puntos que gastar: sigues en el mapa, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>¿Guardar y salir?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Guardar y salir</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: ninguno a la vista.</translation>
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
        <translation>Instrucciones: Eres el Cuadrado Blanco. Muévete con las teclas de flecha. La parte inferior del mapa es la fila de curación, un lugar seguro donde los malos no te alcanzan.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Choca con un enemigo para atacarlo. Cada victoria te da Habilidades Chromara. Al llenar una barra de color ganas puntos extra para subir tus atributos. </translation>
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
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Pulsa una tecla para jugar.</translation>
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
        <translation>la línea %1 del archivo del personaje contiene «%2»</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>el archivo del personaje solo tiene %1 de las 15 líneas</translation>
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
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Has ganado. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Has ganado. %1 de nuevo: la barra llena te ha dado %n punto. %2.</numerusform>
            <numerusform>Has ganado. %1 de nuevo: la barra llena te ha dado %n puntos. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
