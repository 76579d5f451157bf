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
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 ne tient pas sur 16 bits</translation>
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
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation>%1&#x202f;: %2</translation>
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
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>ici</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>Le plus proche&#x202f;: %1, %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1&#x202f;: %2</translation>
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
        <translation>l’en-tête du bitmap est impossible ou ses lignes de pixels s’arrêtent trop tôt</translation>
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
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>Ta Force (%1) n’est pas un nombre supérieur ou égal à 0, ce combat ne peut donc pas avoir lieu. Tu t’éloignes de l’ennemi.</translation>
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
            <numerusform>Tu te soignes de %n point de magie.</numerusform>
            <numerusform>Tu te soignes de %n points de magie.</numerusform>
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
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>Ta Santé (%1) est inutilisable en combat&#x202f;: rien ne s’est passé.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
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
        <source>Press a key to play.</source>
        <translation>Appuie sur une touche pour jouer.</translation>
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
</context>
</TS>
