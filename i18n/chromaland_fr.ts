<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>«&#x202f;%1&#x202f;» est trop grand</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«&#x202f;%1&#x202f;» n’est pas un nombre</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Signal de l’ennemi activé</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Signal de l’ennemi désactivé</translation>
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
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété incorrecte</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l’application ou par l’objet</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Erreur&#x202f;: %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Périphérique non disponible</translation>
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
        <translation>Lance la partie.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Te déplacent d’une case.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Active et désactive les symboles de couleur.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Tant que tu as des points&#x202f;: passer d’un bouton «&#x202f;+&#x202f;» au suivant.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>Sur un bouton «&#x202f;+&#x202f;»&#x202f;: dépense un point.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Passer d’un bouton au suivant.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Actionne le bouton qui a le focus.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Faire défiler l’aide.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Passer d’un lien au suivant.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Suit le lien qui a le focus.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Ferme le message.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Actionne le bouton «&#x202f;Attaque&#x202f;».</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Actionne le bouton «&#x202f;Décharge&#x202f;».</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Actionne le bouton «&#x202f;Soin&#x202f;».</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Actionne le bouton «&#x202f;Retraite&#x202f;».</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Sélectionne tout le texte de l’aide et copie la sélection.</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>The names of keys, as keyboards in your language label them.</extracomment>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Entrée du pavé</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>A letter, a digit, Space, Esc, Return or Backspace</source>
        <translation>Lettre, chiffre, Espace, Échap, Entrée ou Retour arrière</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Retour (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Croix directionnelle ou stick gauche</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Boutons supérieurs (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Haut et bas sur la croix directionnelle ou le stick gauche</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Ferme le panthéon.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Affiche la fiche complète du personnage choisi.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Copie cette fiche sous forme de texte.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Demande si tu veux enregistrer ton personnage et terminer la partie.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Enregistre ton personnage et termine la partie.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Revient à la partie.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Passer d’un personnage tombé à un autre&#x202f;; dans la fiche, la faire défiler.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Passer de la liste à la fiche et au bouton Fermer.</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Faire défiler l’aide page par page.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Coupe le son du jeu et le rétablit.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Active et désactive le signal de l’ennemi&#x202f;: après chaque pas, un son qui indique l’ennemi le plus proche.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil</translation>
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
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Rien du tout, pas même un combat&#x202f;: seules, ce sont les touches de ton bureau et de ton lecteur d’écran.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Annonce l’ennemi suivant en vue, le plus proche d’abord&#x202f;: sa couleur et le chemin jusqu’à lui. Chaque pas annonce ensuite le chemin jusqu’à cet ennemi.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Annonce l’ennemi précédent, en revenant vers le plus proche.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Annonce l’ennemi le plus proche d’une couleur, selon les points de son symbole&#x202f;: 1 rouge, 2 orange, 3 jaune, 4 vert, 5 bleu, 6 indigo, 7 violet. Appuyée de nouveau&#x202f;: le suivant de cette couleur.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Lire l’aide ligne par ligne&#x202f;: un lecteur d’écran lit chaque ligne atteinte. Avec Ctrl ou Alt, la page défile et tu restes où tu es.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>Lettre par lettre&#x202f;; avec Ctrl, mot par mot.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>Une page plus haut ou plus bas (Espace&#x202f;: vers le bas, Maj+Espace&#x202f;: vers le haut).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>Au début ou à la fin de la ligne&#x202f;; avec Ctrl, de l’aide.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Maintenue avec ces touches&#x202f;: sélectionne le texte parcouru.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Passer d’un lien à l’autre&#x202f;: la liste du début mène à chaque partie.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>Sur un lien&#x202f;: t’emmène à cette partie de l’aide, annoncée par son nom.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Ouvre le panthéon des morts&#x202f;: les personnages qui sont morts.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Ouvre l’aide.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Ferme l’aide.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Toute autre touche</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>Ne fait rien d’autre que combattre un ennemi sur ta case.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>La touche de ton bureau pour fermer une fenêtre&#x202f;: enregistre ton personnage et termine la partie.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>une touche fléchée qui te fait quitter la case</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1 tant que tu as des points</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Foncer sur un ennemi lance aussitôt le combat contre lui. Un ennemi qui se tient sur ta case (il est venu à toi, ou tu as battu en retraite) est combattu à la prochaine touche sur laquelle tu appuies sur la carte, sauf&#x202f;: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#x202f;; </translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>ATTAQUE&#x202f;: Ton Agilité décide combien de fois tu touches l’ennemi au combat. Si tu touches, ta Force fixe les dégâts que tu infliges.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RETRAITE&#x202f;: Tu fuis avant la riposte de l’ennemi.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (le plus récent)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, niveau %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, force %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Mort le</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Points gagnés</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Agilité</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sagesse</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Meilleure compétence</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Tué par</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
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
        <translation>Mort le %1, tué par : %2.
Points gagnés : %3 (non dépensés : %4).
Force %5, Agilité %6, Sagesse %7, Santé %8, Magie %9.
Niveaux de compétence : violet %10, indigo %11, bleu %12, vert %13, jaune %14, orange %15, rouge %16.
Archive : %17

Les dernières lignes du combat :
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell of the hall of the fallen as a screen reader says it: %1 the column (&quot;Points earned&quot;), %2 the cell.</extracomment>
        <translation>%1&#x202f;: %2</translation>
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
        <translation>L’historique des morts n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Aucun personnage n’est encore tombé.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Panthéon des morts</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Fiche</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Personnages tombés, le meilleur en premier : %n.</numerusform>
            <numerusform>Personnages tombés, le meilleur en premier : %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Lignes de %1 illisibles et ignorées : %n.</numerusform>
            <numerusform>Lignes de %1 illisibles et ignorées : %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Aide de Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>Le combat</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Ton personnage</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Symboles de couleur</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>Avec un lecteur d’écran</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Violet&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Indigo&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Bleu&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Vert&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Jaune&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Orange&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Rouge&#x202f;: Force de %1 à %2&#x202f;; une barre pleine donne %3 points.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Tant que tu as des points, un bouton «&#x202f;+&#x202f;» apparaît à côté de chacune de tes statistiques&#x202f;: Force, Agilité, Sagesse, Santé et Magie. Chaque appui dépense un point et augmente cette statistique d’un&#x202f;; pour la Santé et la Magie, la valeur et son maximum augmentent tous les deux.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Attaque&#x202f;: tu fais un jet de 1 à ton Agilité, l’ennemi de 1 à sa Force. Si ton jet est plus haut, tu touches et infliges de 1 à ta Force en dégâts.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Décharge&#x202f;: une frappe magique sûre qui inflige de 1 à ta Sagesse en dégâts, jamais plus que la Santé de l’ennemi ni que la Magie dont tu disposes&#x202f;; elle coûte autant de Magie qu’elle inflige de dégâts. Il te faut au moins 1 point de Magie.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Soin&#x202f;: change de la Magie en Santé, autant qu’il t’en manque, mais pas plus que ta Magie ni que ta Sagesse.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Quand ta Santé tombe sous 1, tu meurs. Ton personnage est enregistré une dernière fois, son fichier devient une archive nommée Dead_ suivie de l’heure et de la date, et la partie se termine. Le démarrage suivant commence avec un nouveau personnage.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>Sur l’écran titre</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>Sur la carte</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>En combat</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>Dans cette aide</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>Dans un message</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Si le fichier manque, le jeu le signale et crée un nouveau personnage. Tes propres images pour la carte, pour toi et pour les ennemis vont dans le dossier Graphics, à côté de lui.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>L’archive d’un personnage mort va dans ce dossier&#x202f;:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>Le jeu parle aux lecteurs d’écran comme Orca. L’écran titre lit ses instructions. Sur la carte, chaque touche fléchée annonce ta nouvelle case, et «&#x202f;Où suis-je&#x202f;?&#x202f;» d’Orca y ajoute l’ennemi le plus proche et le chemin pour l’atteindre&#x202f;; le curseur de balayage lit tes statistiques et tes niveaux de compétence. En combat, les lignes de chaque action sont annoncées avec ta Santé, ta Magie et la Santé de l’ennemi.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>Les lignes du combat sont des notifications, qu’Orca garde dans sa liste de messages de notification. Ses commandes pour réentendre les dernières ou parcourir la liste n’ont d’abord aucune touche&#x202f;: attribue-leur des touches dans «&#x202f;Raccourcis clavier&#x202f;», dans les préférences d’Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>En plus de l’anglais, le jeu parle&#x202f;: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Il parle la langue de ton bureau (LANGUAGE, puis LC_ALL, LC_MESSAGES et LANG). Pour jouer une fois dans une autre langue, lance-le depuis un terminal en indiquant d’abord cette langue, par exemple&#x202f;: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Conseils pour un nouveau personnage</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Tu es le carré blanc sur une carte de %1 sur %2 cases. Fonce sur les ennemis colorés pour les combattre, dépense les points que t’apportent les victoires pour devenir plus fort, et reste en vie.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Chaque victoire ajoute un niveau à la barre de compétence de la couleur de l’ennemi&#x202f;; les niveaux de compétence ne jouent aucun rôle en combat. Une barre a %1 niveaux&#x202f;: une fois pleine, la victoire suivante la fait repartir au niveau 1 et te donne des points, d’autant plus nombreux que la couleur est forte&#x202f;:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 sur la carte active et désactive les symboles de couleur, et le jeu garde ce choix pour le démarrage suivant.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>Les touches fléchées te déplacent d’une case à la fois. La rangée du bas de la carte est la rangée de soin&#x202f;: aucun ennemi n’y va jamais. Chaque fois que la barre sous la carte se remplit, environ toutes les %1 secondes, rester dans la rangée de soin te rend un dixième de ta Santé maximale et de ta Magie maximale, arrondi à l’entier inférieur, donc rien tant qu’un maximum est inférieur à %2.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>La barre reste immobile pendant un combat et tant que cette aide est ouverte.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Quand le fichier est endommagé (lignes manquantes, points qui ne sont pas un nombre, ou niveaux de compétence qui ne sont pas des nombres, négatifs ou trop grands), le jeu indique le problème avec un code d’erreur et se termine, en laissant le fichier exactement tel qu’il était, pour que tu puisses le réparer ou le déplacer.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Certaines couleurs des ennemis se ressemblent pour beaucoup d’yeux. Les symboles de couleur marquent chaque ennemi et chaque barre de compétence de pastilles, d’autant plus nombreuses que la couleur est forte&#x202f;: rouge une, orange deux, jaune trois, vert quatre, bleu cinq, indigo six et violet sept. Tu deviens un carré blanc au cadre noir, avec une croix rouge tant que tu te tiens dans la rangée de soin.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Tes propres images dans le dossier Graphics remplacent les symboles, image par image.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Il y a %1 ennemis, %2 de chaque couleur. Chaque couleur reste dans sa propre bande de rangées, et les bandes se chevauchent&#x202f;: le violet près du haut de la carte, puis l’indigo, le bleu, le vert, le jaune et l’orange, et le rouge le plus bas&#x202f;; l’orange et le rouge atteignent tous deux la rangée juste au-dessus de la rangée de soin.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>Les ennemis violets sont les plus forts, les rouges les plus faibles. Chaque fois que la barre sous la carte se remplit, chaque ennemi peut faire un pas, et un ennemi vaincu revient une fois sur trois.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Affiche les symboles de couleur sur la carte et les laisse activés.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>Avec une manette</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Une manette permet de jouer à tout le jeu, branchée avant le lancement ou en cours de partie&#x202f;; les touches continuent de fonctionner à côté.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>Les boutons sont désignés par leur position, comme sur la plupart des manettes&#x202f;: A est le plus bas des quatre boutons de droite, B celui de droite, X celui de gauche et Y celui du haut, quels que soient les lettres ou les symboles de ta manette. Maintenus, la croix directionnelle et le stick se répètent comme une touche maintenue. Les autres boutons ne font rien.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>Dans le panthéon des morts</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>Le jeu garde un seul personnage, dans ce fichier&#x202f;:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>À la question «&#x202f;Enregistrer et quitter&#x202f;?&#x202f;»</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 sur l’écran titre, sur la carte et pendant un combat coupe le son du jeu et le rétablit&#x202f;; le jeu retient ce choix pour le prochain lancement, et %2 le lance sans le son. Sans serveur de son, le jeu reste muet et n’en dit rien.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Coupe le son du jeu jusqu’à ce qu’il soit rétabli.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Il est enregistré après chaque combat qui l’a changé, après chaque point que tu dépenses et quand tu fermes la carte. Une déconnexion, un arrêt de l’ordinateur ou l’arrêt du jeu depuis un terminal l’enregistrent aussi. Un combat encore en cours n’est pas enregistré&#x202f;; un combat déjà gagné est conservé.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>Le jeu signale ce qui se passe par de courts sons&#x202f;: un pas dans la rangée de soin et le soin que tu y reçois, un ennemi qui arrive à côté de toi ou sur ta case, le début d’un combat, tes coups réussis et manqués, une décharge, un soin, les coups réussis et manqués de l’ennemi, une victoire, une barre de compétence qui repart du début et donne des points, un point dépensé et la mort.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Chacun d’eux est aussi montré à l’écran et annoncé au lecteur d’écran&#x202f;: rien n’est dit par le son seul.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>Après chaque pas sur la carte, le signal de l’ennemi indique l’ennemi le plus proche&#x202f;: il vient de gauche ou de droite selon que l’ennemi est à ta gauche ou à ta droite, d’autant plus sur le côté qu’il est loin, et il sonne plus aigu pour un ennemi au-dessus de toi et plus grave pour un ennemi en dessous, pour qu’on puisse le suivre aussi d’une seule oreille.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Deux coups rapides signifient que l’ennemi est à côté de toi. Le signal est activé tant qu’un lecteur d’écran fonctionne&#x202f;; %1 sur la carte l’active ou le désactive, et le jeu retient ce choix.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>Après chaque pas sur la carte, Orca annonce aussi le chemin vers l’ennemi le plus proche, par exemple «&#x202f;Ennemi rouge&#x202f;: 2 vers le haut, 1 à gauche.&#x202f;» Un ennemi qui arrive à côté de toi ou sur ta case est annoncé aussitôt, une seule fois tant que tu ne bouges pas&#x202f;; sur ta case, %1 lance le combat et une touche fléchée t’écarte. La barre sous la carte («&#x202f;Temps avant le tour des ennemis&#x202f;») n’est pas lue.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Pour choisir un ennemi à l’oreille, %1 annonce l’ennemi suivant en vue, le plus proche d’abord, avec sa couleur et le chemin jusqu’à lui, et %2 celui d’avant. Les touches numériques %3 à %4 annoncent l’ennemi le plus proche d’une couleur, selon les points de son symbole&#x202f;: 1 rouge, 2 orange, 3 jaune, 4 vert, 5 bleu, 6 indigo, 7 violet&#x202f;; appuyées de nouveau, le suivant de cette couleur. Après chaque pas, tu entends ensuite le chemin jusqu’à l’ennemi choisi, jusqu’à ce qu’il soit vaincu. Aucune de ces touches ne lance de combat, pas plus que Maj, Ctrl, Alt, Verr. Maj, Inser ou toute autre touche qui appartient à ton bureau ou à ton lecteur d’écran.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Cette aide se lit ligne par ligne avec les touches fléchées&#x202f;; sur le nom d’une partie dans la liste du début, Entrée t’emmène à cette partie. Un combat gagné annonce le nouveau niveau de compétence de ta couleur&#x202f;; une mort annonce l’ennemi qui t’a tué, sa force et les dernières lignes du combat, avant la fin du jeu. Dans le panthéon des morts (%1), Haut et Bas lisent un personnage tombé après l’autre, Début et Fin vont au premier et au dernier, et Entrée lit la fiche complète.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Foncer sur un ennemi ouvre la fenêtre de combat, et les ennemis de la carte restent immobiles jusqu’à ce qu’elle se ferme. Chaque combat tire à nouveau la Force de l’ennemi dans la plage propre à cet ennemi, et sa Santé est égale à cette Force&#x202f;: les trois ennemis d’une couleur se ressemblent, mais l’un est plus fort que l’autre. L’ennemi répond par son tour à chaque Attaque, Décharge et Soin, même à un Soin quand ta Santé est pleine. Il ne riposte pas à une Retraite, à une Décharge ou un Soin sans Magie, ni à quoi que ce soit après la victoire.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>Le tour de l’ennemi&#x202f;: tu esquives avec un jet de 0 à ton Agilité moins un, contre son jet de 1 à sa Force. Si son jet est aussi haut que le tien ou plus haut, il te touche et t’inflige de 0 à la moitié de sa Force moins un en dégâts, la moitié d’une Force impaire étant arrondie à l’entier supérieur.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>La Retraite quitte le combat, et l’ennemi ne riposte pas, mais il reste sur ta case et ne garde aucune de ses blessures&#x202f;: le combat suivant contre lui repart de zéro. Une fois l’ennemi vaincu, c’est aussi par la Retraite que tu pars avec la victoire&#x202f;: l’ennemi disparaît un moment et la barre de compétence de sa couleur progresse.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Ces chances valent pour un nouveau personnage à Santé et Magie pleines qui ne se soigne pas et ne bat pas en retraite. Il bat l’ennemi rouge le plus faible (Force %1) %2&#x202f;% du temps par la seule Attaque, mais le rouge le plus fort (Force %3) seulement %4&#x202f;% du temps par la seule Attaque et %5&#x202f;% avec une Décharge en premier, l’orange le plus faible (Force %6) %7&#x202f;% du temps même avec une Décharge en premier, et les couleurs plus fortes au plus %8&#x202f;% du temps.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Commence par une Décharge&#x202f;: elle ne rate jamais, alors que la plupart des Attaques contre un ennemi plus fort ratent, et l’ennemi répond aux deux de la même façon. Quand un combat tourne mal, ou que ses premières lignes montrent un ennemi fort, bats en retraite, ce à quoi il ne riposte pas, et quitte aussitôt sa case avec une touche fléchée. Entre les combats, attends dans la rangée de soin que ta Santé et ta Magie soient de nouveau pleines.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Si l’archive ne peut pas être créée, le jeu indique où se trouve encore le fichier, et le démarrage suivant reprend le personnage mort&#x202f;: avec une Santé inférieure à 1, le premier coup qu’il reçoit l’achève, même un coup de 0, à moins qu’il ne se soigne d’abord, dans la rangée de soin (ce qui peut demander plusieurs remplissages de la barre) ou avec Soin en combat. Le panthéon des morts n’a aucune fiche de cette mort.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Une Force, une Agilité, une Sagesse, une Santé ou une Magie qui n’est pas un nombre n’arrête pas le jeu, mais les combats et les boutons «&#x202f;+&#x202f;» la refusent jusqu’à ce que tu répares le fichier. Chaque sauvegarde écrit un fichier entièrement neuf avant de remplacer l’ancien, si bien qu’un plantage ne laisse jamais un demi-personnage&#x202f;; dans un dossier qui refuse les nouveaux fichiers, le fichier est plutôt réécrit sur place en une seule écriture.</translation>
    </message>
</context>
<context>
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation>%1&#x202f;: %2</translation>
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
        <translation>niveau %1 sur %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 pour cent</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Colonne %1, rangée %2, rangée de soin</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Colonne %1, rangée %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>Personne d’autre en vue.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n vers le haut</numerusform>
            <numerusform>%n vers le haut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n vers le bas</numerusform>
            <numerusform>%n vers le bas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n à gauche</numerusform>
            <numerusform>%n à gauche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n à droite</numerusform>
            <numerusform>%n à droite</numerusform>
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
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1 beside you: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands next to the player, the way %2 (&quot;1 up&quot;).</extracomment>
        <translation>%1 à côté de toi&#x202f;: %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) and the way to it (%2, e.g. &quot;2 up, 1 right&quot;), told after each step.</extracomment>
        <translation>%1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The map&apos;s square (%1, &quot;World map: Column 1, row 22&quot;) and the way to the nearest enemy (%2, &quot;Red enemy: 3 up.&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1 on your square: Space fights it, an arrow key steps away.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) has come onto the player&apos;s square; Space starts the battle.</extracomment>
        <translation>%1 sur ta case&#x202f;: Espace le combat, une touche fléchée t’écarte.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 sur ta case.</translation>
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
        <translation>l’en-tête du bitmap est invalide ou ses lignes de pixels s’arrêtent trop tôt</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>pas une image dans un format connu</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The detail of a file error: %1 is a file&apos;s path (left to right, e.g. &quot;/home/ann/.local/share/chromaland/Character.chx&quot;), %2 the reason, e.g. &quot;is a folder&quot;.</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>Combat</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Attaque</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Attaquer l’ennemi</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Décharge</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Utiliser la Magie pour frapper l’ennemi d’une décharge</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Soin</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Utiliser la Magie pour se soigner</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Retraite</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Fuir le combat</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Héros Chromara</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>Ta Force</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>Ta Force, en proportion des deux Forces réunies.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Force de l’ennemi</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>La Force de l’ennemi, en proportion des deux Forces réunies.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Ennemi</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Tes statistiques</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Santé de l’ennemi</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Santé&#x202f;:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>Ta Santé</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Santé de l’ennemi</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magie&#x202f;:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>Ta Magie</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>État du combat</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructions&#x202f;:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>La Santé de l’ennemi (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>Ta Magie (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>INSTRUCTIONS&#x202f;: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>DÉCHARGE&#x202f;: Frappe l’ennemi à coup sûr d’une décharge magique&#x202f;; dégâts jusqu’à ta Sagesse.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>SOIN&#x202f;: Ta magie soigne tes blessures. Ta Sagesse limite ton pouvoir de soin maximal.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>Il n’y a pas d’ennemi «&#x202f;%1&#x202f;» à combattre, ce combat ne peut donc pas avoir lieu.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Tu rates de -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Tu touches de +%1 et infliges %n dégât.</numerusform>
            <numerusform>Tu touches de +%1 et infliges %n dégâts.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Tu lances une décharge de %n point de magie.</numerusform>
            <numerusform>Tu lances une décharge de %n points de magie.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>Tu n’as pas besoin de soins&#x202f;!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Tu te soignes avec %n point de magie.</numerusform>
            <numerusform>Tu te soignes avec %n points de magie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>L’ennemi rate de -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>L’ennemi te touche de +%1 et t’inflige %n dégât.</numerusform>
            <numerusform>L’ennemi te touche de +%1 et t’inflige %n dégâts.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Tu es mort.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>Cette action n’a pas pu être effectuée&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>Ton Agilité (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Ta Force (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>Ta Sagesse (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Ta Santé (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Ta Santé maximale (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>La Force de l’ennemi (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>Tu n’as pas de magie disponible.</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1, de force %2, t’a tué. Les dernières lignes du combat&#x202f;: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>Ta Force (%1) n’est pas un nombre positif ou nul, ce combat ne peut donc pas avoir lieu. L’ennemi reste sur ta case&#x202f;: éloigne-toi de lui et répare le fichier.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Personnage</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Force&#x202f;:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Agilité&#x202f;:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Agilité</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Sagesse&#x202f;:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sagesse</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Santé&#x202f;:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Santé maximale</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magie&#x202f;:</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation>Magie maximale</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Points&#x202f;:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Dépenser un point en Force</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Dépenser un point en Agilité</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Dépenser un point en Sagesse</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Dépenser un point en Santé</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Dépenser un point en Magie</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>Les flèches te déplacent d’une case&#x202f;; la rangée du bas te soigne et aucun ennemi n’y va.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Toi</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Ennemi violet</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Ennemi indigo</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Ennemi bleu</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Ennemi vert</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Ennemi jaune</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Ennemi orange</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Ennemi rouge</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Compétences Chromara</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Compétence violette</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi violet vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Compétence indigo</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi indigo vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Compétence bleue</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi bleu vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Compétence verte</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi vert vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Compétence jaune</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi jaune vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Compétence orange</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi orange vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Compétence rouge</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Niveau de compétence&#x202f;; chaque ennemi rouge vaincu l’augmente d’un.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Temps avant le tour des ennemis&#x202f;:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Temps avant le tour des ennemis</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>Les ennemis bougent quand la barre est pleine.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Temps avant que les ennemis bougent</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Symboles de couleur activés</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Symboles de couleur désactivés</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>Aucun point à dépenser&#x202f;: tu es toujours sur la carte, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>Enregistrer et quitter&#x202f;?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Continuer à jouer</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1&#x202f;: aucun en vue.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Instructions&#x202f;:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Appuie sur une touche</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Instructions&#x202f;: Tu es Carré Blanc. Déplace-toi avec les flèches. En bas de la carte se trouve la rangée de soin, une zone sûre où les méchants ne t’atteignent pas.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Fonce sur un ennemi coloré pour l’attaquer. Chaque victoire te donne des Compétences Chromara. Une barre de couleur pleine te donne des points à dépenser. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>DÉCHARGE&#x202f;: Frappe l’ennemi à coup sûr avec la magie&#x202f;; dégâts jusqu’à ta Sagesse.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>SOIN&#x202f;: Tes points de magie soignent tes blessures. Ta Sagesse limite ton pouvoir de soin maximal.</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Appuie sur une touche pour jouer.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>la ligne %1 du fichier du personnage est plus courte que sa clé</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>la ligne %1 du fichier du personnage contient «&#x202f;%2&#x202f;»</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>le fichier du personnage n’a que %1 de ses 15 lignes</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>niveau de compétence à la ligne %1 du fichier du personnage</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>niveau de compétence négatif à la ligne %1 du fichier du personnage</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>Fichier du personnage introuvable – un nouveau personnage va être créé</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>Le personnage n’a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>Le personnage mort n’a pas pu être archivé sous le nom %1 dans %2 (%3).

Le fichier du personnage se trouve toujours ici&#x202f;: %4.</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Tu as gagné. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Tu as gagné. %1 de nouveau&#x202f;: la barre pleine t’a donné %n point. %2.</numerusform>
            <numerusform>Tu as gagné. %1 de nouveau&#x202f;: la barre pleine t’a donné %n points. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
