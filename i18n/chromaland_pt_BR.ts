<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>“%1” é grande demais</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1” não é um número</translation>
    </message>
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 não cabe em 16 bits</translation>
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
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>Erro: %1 : %2</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>ATACAR: Sua Destreza decide com que frequência você acerta o inimigo em combate. Se acertar, sua Força determina quanto dano você causa.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RECUAR: Você foge antes que o inimigo ataque de novo.</translation>
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
        <translation>nível %1 de %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 por cento</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>Coluna %1, linha %2, linha de cura</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>Coluna %1, linha %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>Mais ninguém à vista.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n casa para cima</numerusform>
            <numerusform>%n casas para cima</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n casa para baixo</numerusform>
            <numerusform>%n casas para baixo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n casa à esquerda</numerusform>
            <numerusform>%n casas à esquerda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n casa à direita</numerusform>
            <numerusform>%n casas à direita</numerusform>
        </translation>
    </message>
    <message>
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>aqui</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>Mais próximo: %1, %2.</translation>
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
        <translation>o cabeçalho do bitmap é impossível ou as suas linhas de pixels terminam antes do tempo</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>não é uma imagem em nenhum formato conhecido</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>maior que %1 bytes</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>não permite gravação</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>Controle da batalha</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>&amp;Atacar</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>Atacar o inimigo</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>&amp;Fulminar</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>Usar Magia para fulminar o inimigo</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>&amp;Curar</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>Usar Magia para se curar</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>&amp;Recuar</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>Fugir da batalha</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>Herói Chromara</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>Sua Força</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>Sua Força, como parte da soma das duas forças.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>Força do inimigo</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>A Força do inimigo, como parte da soma das duas forças.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Inimigo</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Atributos do jogador</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>Vida do inimigo</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Vida:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>Sua Vida</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>Vida do inimigo</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>Magia:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>Sua Magia</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>Situação da batalha</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>A Vida do inimigo (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>Sua Magia (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>INSTRUÇÕES: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>FULMINAR: Uma rajada de magia sempre acerta o inimigo, com dano de até sua Sabedoria.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>CURAR: Use sua magia para curar feridas. Sua Sabedoria limita o poder máximo de cura.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>Não há nenhum inimigo “%1” para enfrentar, então esta batalha não pode acontecer.</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>Sua Força (%1) não é um número igual ou maior que 0, então esta batalha não pode acontecer. Você se afasta do inimigo.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>Você erra por -%1</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>Você acerta por +%1 e causa %n ponto de dano.</numerusform>
            <numerusform>Você acerta por +%1 e causa %n pontos de dano.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>Você fulmina o inimigo com %n ponto de magia.</numerusform>
            <numerusform>Você fulmina o inimigo com %n pontos de magia.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>Você não precisa de cura!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>Você se cura com %n ponto de magia.</numerusform>
            <numerusform>Você se cura com %n pontos de magia.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>O inimigo errou por -%1</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>O inimigo acerta você por +%1 e causa %n ponto de dano.</numerusform>
            <numerusform>O inimigo acerta você por +%1 e causa %n pontos de dano.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>Você morreu.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>Não foi possível fazer esse movimento: nada aconteceu.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>Sua Destreza (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>Sua Força (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>Sua Sabedoria (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>Sua Vida (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>Sua Vida máxima (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>A Força do inimigo (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>Você não tem magia disponível.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>Personagem</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Força:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Força</translation>
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
        <translation>Sabed.:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabedoria</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Vida:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>Vida máxima</translation>
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
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>Gastar um ponto em Força</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>Gastar um ponto em Destreza</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>Gastar um ponto em Sabedoria</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>Gastar um ponto em Vida</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>Gastar um ponto em Magia</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Mapa do mundo</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>As setas movem você uma casa; a linha de baixo cura você e nenhum inimigo entra nela.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>Inimigo violeta</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>Inimigo anil</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>Inimigo azul</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>Inimigo verde</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>Inimigo amarelo</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>Inimigo laranja</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>Inimigo vermelho</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>Habilidades Chromara</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>Habilidade violeta</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo violeta derrotado soma um.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>Habilidade anil</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo anil derrotado soma um.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>Habilidade azul</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo azul derrotado soma um.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>Habilidade verde</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo verde derrotado soma um.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>Habilidade amarela</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo amarelo derrotado soma um.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>Habilidade laranja</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo laranja derrotado soma um.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>Habilidade vermelha</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>Nível de habilidade; cada inimigo vermelho derrotado soma um.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>Tempo até os inimigos andarem:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>Tempo até os inimigos andarem</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>Os inimigos andam quando a barra fica cheia.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>Tempo até os inimigos andarem</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>Símbolos de cor ativados</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>Símbolos de cor desativados</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>Pressione uma tecla para jogar</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>Instruções: Você é o Quadrado Branco. Use as setas para se mover. Embaixo no mapa fica a linha de cura, uma zona segura onde os inimigos não alcançam você.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Entre numa cor inimiga para atacar. Cada vitória aumenta suas Habilidades Chromara. Ao encher uma barra de cor, você ganha pontos extras para seus atributos. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>FULMINAR: A magia sempre acerta o inimigo, com dano de até sua Sabedoria.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>CURAR: Use pontos de magia para curar feridas. Sua Sabedoria limita o poder máximo de cura.</translation>
    </message>
    <message>
        <source>Press a key to play.</source>
        <translation>Pressione uma tecla para jogar.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>a linha %1 do arquivo do personagem é mais curta que a sua chave</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>a linha %1 do arquivo do personagem contém “%2”</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>o arquivo do personagem tem %1 das suas 15 linhas</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>nível de habilidade na linha %1 do arquivo do personagem</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>nível de habilidade negativo na linha %1 do arquivo do personagem</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>O arquivo do personagem não foi encontrado – um novo personagem será criado</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>Não foi possível salvar o personagem em %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>Não foi possível arquivar o personagem morto como %1 em %2 (%3).

O arquivo do personagem continua em %4.</translation>
    </message>
</context>
</TS>
