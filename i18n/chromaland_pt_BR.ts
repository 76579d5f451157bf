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
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>Som ativado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>Som desativado</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>Sinal do inimigo ativado</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>Sinal do inimigo desativado</translation>
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
    <message>
        <source>Device unavailable</source>
        <translation>Dispositivo indisponível</translation>
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
        <translation>Inicia o jogo.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Setas</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>Movem você uma casa.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>Liga e desliga os símbolos de cor.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>Quando você tem pontos: passam de um botão “+” para o próximo.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>Em um botão “+”: gasta um ponto.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>Passam de um botão para o próximo.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>Pressiona o botão que está em foco.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>Rolam a ajuda.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>Passam de um link para o próximo.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>Abre o link que está em foco.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>Fecham a mensagem.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>Pressiona o botão “Atacar”.</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>Pressiona o botão “Fulminar”.</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>Pressiona o botão “Curar”.</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>Pressiona o botão “Recuar”.</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>Selecionam todo o texto da ajuda e copiam o que está selecionado.</translation>
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
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Enter (teclado numérico)</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Seta para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Seta para baixo</translation>
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
        <translation>Uma letra, um número, Espaço, Esc, Enter ou Backspace</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>Voltar (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>Direcional ou analógico esquerdo</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>Botões superiores (LB, RB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>Para cima e para baixo no direcional ou no analógico esquerdo</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>Fecha o salão.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>Mostra o registro completo do personagem escolhido.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>Copia esse registro como texto.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>Pergunta se você quer salvar seu personagem e encerrar o jogo.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>Salvam seu personagem e encerram o jogo.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>Volta ao jogo.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>Passam de um personagem caído para outro; no registro, rolam o texto.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>Passam entre a lista, o registro e o botão Fechar.</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>Rolam a ajuda uma página por vez.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>Desliga e liga o som do jogo.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>Liga e desliga o sinal do inimigo: depois de cada passo, um som que aponta para o inimigo mais próximo.</translation>
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
        <translation>Seta para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>Nada, nem mesmo uma batalha: sozinhas, são as teclas da sua área de trabalho e do seu leitor de tela.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>Diz o próximo inimigo à vista, o mais próximo primeiro: sua cor e o caminho até ele. Depois, cada passo diz o caminho até esse inimigo.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>Diz o inimigo anterior, voltando ao mais próximo.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>Diz o inimigo mais próximo de uma cor, pelos pontos do seu símbolo de cor: 1 vermelho, 2 laranja, 3 amarelo, 4 verde, 5 azul, 6 anil, 7 violeta. Pressionada de novo: o próximo dessa cor.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>Leem a ajuda linha por linha: um leitor de tela lê cada linha a que você chega. Com Ctrl ou Alt, a página se move e você fica onde está.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>Letra por letra; com Ctrl, palavra por palavra.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>Uma página para cima ou para baixo (Espaço: para baixo, Shift+Espaço: para cima).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>Para o início ou o fim da linha; com Ctrl, da ajuda.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>Junto com essas teclas: seleciona o texto por onde você passa.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>Passam de um link ao próximo: a lista do início leva a cada parte.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>Em um link: leva você àquela parte da ajuda, anunciada pelo nome.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>Abre o salão dos caídos: os personagens que morreram.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>Abre a ajuda.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>Fecha a ajuda.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>Qualquer outra tecla</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>Não faz nada além de lutar contra um inimigo na sua casa.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>A tecla da sua área de trabalho para fechar uma janela: salva seu personagem e encerra o jogo.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>uma seta que tira você da casa</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1 enquanto você tiver pontos</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>Entrar na casa de um inimigo começa a luta contra ele na hora. Um inimigo que está na sua casa (ele veio até você, ou você recuou) é enfrentado na próxima tecla que você pressionar no mapa, exceto: %1.</translation>
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
        <translation>ATACAR: Sua Destreza decide com que frequência você acerta o inimigo em combate. Se acertar, sua Força determina quanto dano você causa.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>RECUAR: Você foge antes que o inimigo ataque de novo.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1 (o mais recente)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1, nível %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1, força %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>Morreu em</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>Pontos ganhos</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Força</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>Destreza</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabedoria</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>Maior habilidade</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>Derrotado por</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
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
        <translation>Morreu em %1, derrotado por: %2.
Pontos ganhos: %3 (não gastos: %4).
Força %5, Destreza %6, Sabedoria %7, Vida %8, Magia %9.
Níveis de habilidade: violeta %10, anil %11, azul %12, verde %13, amarelo %14, laranja %15, vermelho %16.
Arquivo: %17

As últimas linhas da batalha:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecidos</translation>
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
        <translation>Não foi possível ler o histórico dos caídos: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>Nenhum personagem caiu ainda.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>Salão dos caídos</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>Registro</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>Personagens caídos, o melhor primeiro: %n.</numerusform>
            <numerusform>Personagens caídos, o melhor primeiro: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Linhas de %1 que não puderam ser lidas e foram ignoradas: %n.</numerusform>
            <numerusform>Linhas de %1 que não puderam ser lidas e foram ignoradas: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Ajuda do Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>A batalha</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>Seu personagem</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Símbolos de cor</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>Com um leitor de tela</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>Violeta: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Anil: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Azul: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Verde: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Amarelo: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Laranja: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>Vermelho: Força de %1 a %2; uma barra cheia dá %3 pontos.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>Enquanto você tiver pontos, um botão “+” aparece ao lado de cada um dos seus atributos: Força, Destreza, Sabedoria, Vida e Magia. Cada vez que você o pressiona, gasta um ponto e aumenta esse atributo em um; em Vida e Magia, aumentam tanto o valor quanto o máximo.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>Atacar: você rola de 1 até a sua Destreza; o inimigo, de 1 até a Força dele. Se a sua rolagem for maior, você acerta e causa de 1 até a sua Força em dano.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>Fulminar: um acerto garantido com magia, de 1 até a sua Sabedoria em dano, nunca mais que a Vida do inimigo e nunca mais que a Magia que você tem; custa tanta Magia quanto o dano que causa. Você precisa de pelo menos 1 de Magia.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>Curar: transforma Magia em Vida, tanto quanto estiver faltando, mas não mais que a sua Magia e não mais que a sua Sabedoria.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>Quando a sua Vida cai abaixo de 1, você morre. Seu personagem é salvo uma última vez, o arquivo dele é arquivado com o nome Dead_ seguido da hora e da data, e o jogo termina. Na próxima vez que o jogo for aberto, ele começa com um novo personagem.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>Na tela de título</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>No mapa</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>Na batalha</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>Nesta ajuda</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>Em uma mensagem</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>Quando o arquivo não existe, o jogo avisa e cria um novo personagem. Suas próprias imagens para o mapa, para você e para os inimigos vão na pasta Graphics, ao lado dele.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>O arquivo de um personagem morto vai para esta pasta:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>O jogo fala com leitores de tela como o Orca. A tela de título lê as suas instruções. No mapa, cada seta informa a sua nova casa, e o “Onde Eu Estou” do Orca acrescenta o inimigo mais próximo e o caminho até ele; a revisão plana lê os seus atributos e níveis de habilidade. Na batalha, as linhas de cada movimento são lidas junto com a sua Vida e Magia e a Vida do inimigo.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>As linhas da batalha são notificações, que o Orca guarda na lista de mensagens de notificação. Os comandos do Orca para ouvir as últimas de novo ou percorrer a lista vêm sem teclas: atribua teclas a eles em Atalhos, nas preferências do Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>Além do inglês, o jogo fala: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>Ele fala o idioma da sua área de trabalho (LANGUAGE, depois LC_ALL, LC_MESSAGES e LANG). Para jogar uma vez em outro idioma, inicie-o em um terminal com esse idioma antes do comando, por exemplo: %1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>Dicas para um personagem novo</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>Você é o quadrado branco num mapa de %1 por %2 casas. Entre na casa dos inimigos coloridos para enfrentá-los, gaste os pontos que as vitórias trazem para ficar mais forte e continue vivo.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>Cada vitória acrescenta um nível à barra de habilidade da cor do inimigo; os níveis de habilidade não contam na batalha. Uma barra tem %1 níveis: quando ela está cheia, a vitória seguinte a faz recomeçar no nível 1 e dá a você pontos, mais para as cores mais fortes:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>%1 no mapa liga e desliga os símbolos de cor, e o jogo guarda a escolha para a próxima vez.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>As setas movem você uma casa por vez. A linha de baixo do mapa é a linha de cura: nenhum inimigo entra nela. Cada vez que a barra embaixo do mapa fica cheia, mais ou menos a cada %1 segundos, ficar na linha de cura devolve a você um décimo da sua Vida máxima e da sua Magia máxima, arredondado para baixo, ou seja, nada enquanto um máximo for menor que %2.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>A barra fica parada durante uma batalha e enquanto esta ajuda está aberta.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>Quando o arquivo está danificado (faltam linhas, os pontos não são um número, ou os níveis de habilidade não são números, são negativos ou grandes demais), o jogo diz o que está errado com um código de erro e termina, deixando o arquivo exatamente como estava, para que você possa consertá-lo ou tirá-lo dali.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>Algumas cores dos inimigos parecem iguais para muitos olhos. Os símbolos de cor marcam cada inimigo e cada barra de habilidade com pontinhos, mais para as cores mais fortes: vermelho um, laranja dois, amarelo três, verde quatro, azul cinco, anil seis e violeta sete. Você vira um quadrado branco com moldura preta, com uma cruz vermelha enquanto está na linha de cura.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Imagens suas na pasta Graphics ocupam o lugar dos símbolos, imagem por imagem.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>Há %1 inimigos, %2 de cada cor. Cada cor fica na sua própria faixa de linhas, e as faixas se sobrepõem: o violeta perto do alto do mapa, depois o anil, o azul, o verde, o amarelo e o laranja, e o vermelho mais embaixo; o laranja e o vermelho chegam os dois à linha logo acima da linha de cura.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>Os inimigos violeta são os mais fortes; os vermelhos, os mais fracos. Cada vez que a barra embaixo do mapa fica cheia, cada inimigo pode dar um passo, e um inimigo derrotado volta uma vez em cada três.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>Mostra os símbolos de cor no mapa e os mantém ligados.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>Com um controle</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>Com um controle você joga o jogo inteiro, conectado antes de o jogo começar ou durante a partida; as teclas continuam funcionando junto com ele.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>Os botões têm o nome da sua posição, como na maioria dos controles: A é o de baixo dos quatro botões da direita, B o da direita, X o da esquerda e Y o de cima, quaisquer que sejam as letras ou os símbolos do seu controle. Mantidos pressionados, o direcional e o analógico se repetem como uma tecla mantida pressionada. Os demais botões não fazem nada.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>No salão dos caídos</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>O jogo guarda um único personagem, neste arquivo:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>Ao perguntar se você quer salvar e sair</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>%1 no título, no mapa e em uma batalha silencia o jogo e traz o som de volta; o jogo guarda a escolha para o próximo início, e %2 o inicia em silêncio. Sem um servidor de som, o jogo fica em silêncio e não diz nada sobre isso.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>Silencia o jogo e o mantém em silêncio até o som ser ligado de novo.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>Ele é salvo depois de cada batalha que o mudou, de cada ponto que você gasta e quando você fecha o mapa. Um logout, um desligamento ou parar o jogo a partir de um terminal também o salvam. Uma batalha ainda em andamento não é salva; uma batalha já vencida é mantida.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>O jogo marca o que acontece com sons curtos: um passo para a fileira de cura e a cura nela, um inimigo que chega ao seu lado ou à sua casa, o início de uma batalha, seus acertos e erros, uma rajada, uma cura, os acertos e erros do inimigo, uma vitória, uma barra de habilidade que recomeça e dá pontos, um ponto gasto e a morte.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>Cada um deles também aparece na tela e é dito ao leitor de tela: nada é informado só pelo som.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>Depois de cada passo no mapa, o sinal do inimigo aponta para o inimigo mais próximo: vem da esquerda ou da direita conforme o inimigo esteja à sua esquerda ou à sua direita, mais para o lado quanto mais longe ele está, e soa mais agudo para um inimigo acima de você e mais grave para um abaixo, para que possa ser seguido também com um só ouvido.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>Duas batidas rápidas significam que o inimigo está ao seu lado. O sinal fica ligado enquanto um leitor de tela funciona; %1 no mapa o liga ou desliga, e o jogo guarda a escolha.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>Depois de cada passo no mapa, o Orca também informa o caminho até o inimigo mais próximo, por exemplo “Inimigo vermelho: 2 casas para cima, 1 casa à esquerda.” Um inimigo que chega ao seu lado ou à sua casa é anunciado na hora, uma só vez enquanto você fica parado; na sua casa, %1 luta com ele e uma seta afasta você. A barra embaixo do mapa (“Tempo até os inimigos andarem”) não é lida.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>Para escolher um inimigo de ouvido, %1 diz o próximo inimigo à vista, o mais próximo primeiro, com sua cor e o caminho até ele, e %2 o anterior. As teclas numéricas de %3 a %4 dizem o inimigo mais próximo de uma cor, pelos pontos do seu símbolo de cor: 1 vermelho, 2 laranja, 3 amarelo, 4 verde, 5 azul, 6 anil, 7 violeta; pressionadas de novo, o próximo dessa cor. Depois de cada passo você ouve o caminho até o inimigo escolhido, até derrotá-lo. Nenhuma dessas teclas começa uma batalha, nem Shift, Ctrl, Alt, Caps Lock, Insert ou qualquer outra tecla da sua área de trabalho ou do seu leitor de tela.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>Esta ajuda é lida linha por linha com as setas; no nome de uma parte na lista do início, Enter leva você a essa parte. Uma batalha vencida diz o novo nível de habilidade da sua cor; uma morte diz qual inimigo matou você, a força dele e as últimas linhas da batalha, antes de o jogo terminar. No salão dos caídos (%1), as setas para cima e para baixo leem um personagem caído depois do outro, Home e End vão ao primeiro e ao último, e Enter lê o registro completo.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>Entrar na casa de um inimigo abre a janela da batalha, e os inimigos do mapa ficam parados até ela fechar. Cada batalha sorteia de novo a Força do inimigo dentro da faixa própria desse inimigo, e a Vida dele é igual a essa Força: os três inimigos de uma cor parecem iguais, mas um é mais forte que o outro. O inimigo responde com o seu turno a cada Atacar, Fulminar e Curar, inclusive a um Curar com a Vida cheia. Ele não revida um Recuar, um Fulminar ou Curar sem Magia, nem nada depois de ser derrotado.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>O turno do inimigo: você se esquiva com uma rolagem de 0 até a sua Destreza menos um, contra a rolagem dele de 1 até a Força dele. Se ele rolar tanto quanto você ou mais, ele acerta você e causa de 0 até a metade da Força dele menos um em dano, com a metade de uma Força ímpar arredondada para cima.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>Recuar sai da batalha, e o inimigo não revida, mas ele continua na sua casa e não guarda nenhum dos seus ferimentos: a próxima batalha com ele começa do zero. Depois que o inimigo é derrotado, Recuar também é como você sai com a vitória: o inimigo desaparece por um tempo e a barra de habilidade da cor dele cresce.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>Estas chances valem para um personagem novo, com Vida e Magia cheias, que não se cura nem recua. Ele vence o inimigo vermelho mais fraco (Força %1) em %2% das vezes só com Atacar, mas o vermelho mais forte (Força %3) em só %4% das vezes só com Atacar e em %5% começando com Fulminar, o laranja mais fraco (Força %6) em %7% das vezes mesmo começando com Fulminar, e as cores mais fortes em no máximo %8% das vezes.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>Comece com Fulminar: ele nunca erra, enquanto a maioria dos ataques contra um inimigo mais forte erra, e o inimigo responde aos dois do mesmo jeito. Quando uma batalha vai mal, ou as primeiras linhas dela mostram um inimigo forte, recue, o que o inimigo não revida, e saia logo da casa dele com uma seta. Entre as batalhas, espere na linha de cura até a sua Vida e a sua Magia ficarem cheias de novo.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>Se não for possível arquivá-lo, o jogo diz onde o arquivo continua, e na próxima vez que o jogo for aberto o personagem morto volta a jogar: com a Vida abaixo de 1, o primeiro golpe que ele levar acaba com ele, mesmo um golpe de 0, a não ser que ele se cure antes, na linha de cura (o que pode levar várias vezes até a barra encher) ou com Curar numa batalha. O salão dos caídos não tem registro dessa morte.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>Uma Força, Destreza, Sabedoria, Vida ou Magia que não seja um número não impede o jogo, mas as batalhas e os botões “+” a recusam até você consertar o arquivo. Cada salvamento grava um arquivo novo inteiro antes de substituir o antigo, então uma falha nunca deixa meio personagem; numa pasta que recusa arquivos novos, o arquivo é regravado no mesmo lugar, de uma só vez.</translation>
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
        <translation>%1 ao seu lado: %2.</translation>
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
        <translation>%1 na sua casa: Espaço luta com ele, uma seta afasta você.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 na sua casa.</translation>
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
        <translation>o cabeçalho do bitmap é inválido ou as suas linhas de pixels terminam antes do esperado</translation>
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
        <translation>O inimigo erra por -%1</translation>
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
        <translation>Sua Vida (%1) não pode ser usada na batalha: nada aconteceu.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
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
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>%1, de força %2, matou você. As últimas linhas da batalha: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>Sua Força (%1) não é um número maior ou igual a 0, então esta batalha não pode acontecer. O inimigo continua na sua casa: afaste-se dele e conserte o arquivo.</translation>
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
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>Nenhum ponto para gastar: você continua no mapa, %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>Salvar e sair?</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>Salvar e sair</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>Continuar jogando</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: nenhum à vista.</translation>
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
        <translation>Instruções: Você é o Quadrado Branco. Use as setas para se mover. Na base do mapa fica a linha de cura, uma zona segura onde os inimigos não alcançam você.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>Vá até um inimigo para atacá-lo. Cada vitória aumenta suas Habilidades Chromara. Ao encher uma barra de cor, você ganha pontos extras para seus atributos. </translation>
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
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. Pressione uma tecla para jogar.</translation>
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
        <translation>o arquivo do personagem tem só %1 das 15 linhas esperadas</translation>
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
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>Você venceu. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>Você venceu. %1 de novo: a barra cheia deu a você %n ponto. %2.</numerusform>
            <numerusform>Você venceu. %1 de novo: a barra cheia deu a você %n pontos. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
