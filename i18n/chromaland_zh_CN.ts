<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>“%1”太大</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1”不是数字</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>声音已开启</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>声音已关闭</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>敌人提示音已开启</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>敌人提示音已关闭</translation>
    </message>
</context>
<context>
    <name>GameError</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s standard text (%1) with what it concerns (%2).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>读取超出了文件末尾</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>无效的图片</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>应用程序定义或对象定义的错误</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>错误 %1：%2</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>设备不可用</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>, </source>
        <extracomment>Between the names of keys that do the same (&quot;Enter, Space&quot;); keep it short.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Starts the game.</source>
        <translation>开始游戏。</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>让你移动一格。</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>打开或关闭颜色符号。</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>有点数时：在各个“+”按钮之间移动。</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>在“+”按钮上：花费 1 点。</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>在各个按钮之间移动。</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>按下具有焦点的按钮。</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>滚动帮助。</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>在各个链接之间移动。</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>打开具有焦点的链接。</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>关闭消息。</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>按下“攻击”按钮。</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>按下“魔法攻击”按钮。</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>按下“治疗”按钮。</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>按下“撤退”按钮。</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>全选帮助文本，并复制所选内容。</translation>
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
        <translation>空格</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>回车</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>小键盘回车</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
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
        <translation>字母键、数字键、空格、Esc、回车或退格</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>返回键（Select）</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>开始键（Start）</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>十字键或左摇杆</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>肩键（LB、RB）</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>十字键或左摇杆的上下</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>关闭名人堂。</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>显示所选角色的完整记录。</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>将该记录复制为文本。</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>询问是否保存你的角色并结束游戏。</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>保存你的角色并结束游戏。</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>返回游戏。</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>在阵亡的角色之间移动；在记录中则滚动记录。</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>在列表、记录和“关闭”按钮之间移动。</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>逐页滚动帮助。</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>关闭或打开游戏的声音。</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>打开或关闭敌人提示音：每走一步，用声音指出最近的敌人。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>数字锁定</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>滚动锁定</translation>
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
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>什么也不做，也不会开始战斗：单独按下时，它们是桌面和屏幕阅读器的按键。</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>报出下一个可见的敌人，从最近的开始：它的颜色和通往它的路。之后每走一步都会报出到这个敌人的路。</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>报出前一个敌人，一直回到最近的那个。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1 到 %2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>按颜色符号的点数报出该颜色最近的敌人：1 红、2 橙、3 黄、4 绿、5 蓝、6 靛、7 紫。再按一次：该颜色的下一个。</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>逐行阅读帮助：屏幕阅读器会朗读你到达的每一行。按住 Ctrl 或 Alt 时，页面移动而你停在原处。</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>逐字移动；按住 Ctrl 时逐词移动。</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>向上或向下翻一页（空格：向下，Shift+空格：向上）。</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>移到行首或行尾；按住 Ctrl 时移到帮助的开头或结尾。</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>与这些键同时按住：选中你经过的文字。</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>在链接之间移动：开头的列表链接到每个部分。</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>在链接上：带你到帮助的该部分，并报出它的名称。</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>打开阵亡者名人堂：所有死去的角色。</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>打开帮助。</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>关闭帮助。</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>其他任意键</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>除了与你格子上的敌人战斗之外，不做任何事。</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>桌面上用来关闭窗口的按键：保存你的角色并结束游戏。</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>让你离开该格子的方向键</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>有点数时的 %1</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>走到敌人身上会立即与它战斗。站在你格子上的敌人（它走到了你这里，或者你撤退了）会在你在地图上按下一个键时与你战斗，以下按键除外：%1。</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>攻击：敏捷决定你在战斗中命中敌人的频率；命中后，力量决定你造成多少伤害。</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>撤退：在敌人再次攻击之前逃走。</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>%1（最新）</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>%1，等级 %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1，力量 %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>阵亡时间</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>获得点数</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>力量</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>敏捷</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>智慧</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>生命</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>魔力</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>最高技能</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>击杀者</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
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
        <translation>阵亡于 %1，击杀者：%2。
获得点数：%3（未使用：%4）。
力量 %5，敏捷 %6，智慧 %7，生命 %8，魔力 %9。
技能等级：紫 %10，靛 %11，蓝 %12，绿 %13，黄 %14，橙 %15，红 %16。
存档：%17

战斗的最后几行：
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell of the hall of the fallen as a screen reader says it: %1 the column (&quot;Points earned&quot;), %2 the cell.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time of a death, as a date format of Qt: d the day, MMMM the month&apos;s name, yyyy the year, HH:mm the time; quote other letters (&apos;de&apos;). The month&apos;s name keeps the date from reading two ways.</extracomment>
        <translation>yyyy年M月d日 HH:mm</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>The history of the fallen could not be read: %1</source>
        <extracomment>%1 is the history file&apos;s path and the reason it could not be read.</extracomment>
        <translation>无法读取阵亡者记录：%1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>还没有角色阵亡。</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>阵亡者名人堂</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>记录</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>阵亡角色（最佳者在前）：%n。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>%1 中无法读取而跳过的行：%n。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Chromaland 帮助</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>战斗</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>你的角色</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>颜色符号</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>使用屏幕阅读器</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>紫色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>靛色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>蓝色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>绿色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>黄色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>橙色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>红色：力量 %1 到 %2；技能条满后获得 %3 点。</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>只要你还有点数，每项属性（力量、敏捷、智慧、生命和魔力）旁边都会显示一个“+”按钮。每按一次花费 1 点，并让该属性加 1；生命和魔力会同时提高当前值和最大值。</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>攻击：你在 1 到你的敏捷之间掷骰，敌人在 1 到它的力量之间掷骰。如果你的掷骰结果更高，你就会命中，造成 1 到你的力量之间的伤害。</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>魔法攻击：用魔法必定命中，造成 1 到你的智慧之间的伤害，但不会超过敌人的生命，也不会超过你现有的魔力；造成多少伤害就消耗多少魔力。你至少需要 1 点魔力。</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>治疗：把魔力转化为生命，补足你损失的生命，但不超过你的魔力，也不超过你的智慧。</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>当你的生命低于 1 时，你就会死去。你的角色会最后保存一次，其文件会变成以 Dead_ 加上时间和日期命名的存档，然后游戏结束。下次启动时将从一个新角色开始。</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>标题画面</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>战斗中</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>本帮助</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>消息框</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>如果该文件不存在，游戏会提示你，并创建一个新角色。你自己为地图、你和敌人准备的图片，请放到该文件旁边的 Graphics 文件夹中。</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>死去角色的存档会放到以下文件夹：</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>本游戏支持 Orca 等屏幕阅读器。标题画面会朗读其中的说明。在地图上，每按一次方向键都会报出你所在的新格子，Orca 的“我在哪”还会报出最近的敌人以及到它的路线；“平铺审查”会朗读你的属性和技能等级。在战斗中，每次行动的结果会连同你的生命、魔力和敌人的生命一起报出。</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>战斗结果以通知的形式发出，Orca 会把它们保存在通知信息列表中。用于重听最近的通知或浏览该列表的命令起初没有按键：请在 Orca 首选项的“按键绑定”中为它们指定按键。</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>除英语外，本游戏还支持以下语言：%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>游戏使用你桌面的语言（依次查看 LANGUAGE、LC_ALL、LC_MESSAGES 和 LANG）。若想临时用另一种语言玩一次，请在终端中把该语言放在最前面来启动游戏，例如：%1</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>给新角色的建议</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>你是 %1 × %2 格地图上的白色方块。走到彩色敌人身上与它们战斗，用击败敌人得到的点数变强，并活下去。</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>每击败一个敌人，它那种颜色的技能条就增加一级；技能等级在战斗中不起作用。一条技能条有 %1 级：满了之后，下一次击败敌人会让它从第 1 级重新开始，并给你点数，颜色越强点数越多：</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>在地图上按 %1 可打开或关闭颜色符号，游戏会为下次启动记住这一选择。</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>方向键每次让你移动一格。地图最下面一行是治疗行：任何敌人都不会去那里。地图下方的进度条每填满一次（大约每 %1 秒），站在治疗行就会恢复你生命上限和魔力上限的十分之一（向下取整），因此上限低于 %2 时什么也不会恢复。</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>战斗中以及本帮助打开时，进度条会停止。</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>文件损坏时（缺少行、点数不是数字，或技能等级不是数字、为负数或过大），游戏会用错误代码说明哪里有问题并结束，文件保持原样，方便你修复或移走。</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>敌人的有些颜色在很多人眼里看起来很像。颜色符号会在每个敌人和每个技能条上标出圆点，颜色越强圆点越多：红色一个、橙色两个、黄色三个、绿色四个、蓝色五个、靛色六个、紫色七个。你会变成带黑框的白色方块，站在治疗行时还会带一个红十字。</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>放在 Graphics 文件夹里的自己的图片会逐张取代这些符号。</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>共有 %1 个敌人，每种颜色 %2 个。每种颜色只在自己的几行范围内活动，这些范围互相重叠：紫色靠近地图顶部，然后是靛色、蓝色、绿色、黄色和橙色，红色最靠下；橙色和红色都能到达治疗行正上方那一行。</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>紫色敌人最强，红色最弱。进度条每填满一次，每个敌人可能走一步，被击败的敌人有三分之一的机会回来。</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>在地图上显示颜色符号，并保持开启。</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>使用游戏手柄</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>游戏手柄可以玩整个游戏，在游戏开始前或运行中插入均可；键盘按键照常可用。</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>按钮按位置命名，与大多数手柄相同：右侧四个按钮中，下方为 A，右方为 B，左方为 X，上方为 Y，无论你的手柄上印的是什么字母或符号。按住十字键或摇杆时，会像按住按键一样重复。其他按钮不起作用。</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>在阵亡者名人堂中</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>游戏只保存一个角色，保存在以下文件中：</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>询问是否保存并退出时</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>声音</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>在标题画面、地图上和战斗中按 %1 可以让游戏静音，再按一次恢复声音；游戏会记住这个选择，下次启动时依然有效，用 %2 启动则从静音开始。没有声音服务器时游戏保持安静，也不会为此提示。</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>让游戏静音，直到再次打开声音。</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>每场改变了角色的战斗之后、每花一个点数之后以及关闭地图时，角色都会保存。注销、关机或从终端停止游戏也会保存角色。仍在进行的战斗不会保存；已经获胜的战斗会保留。</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>游戏用简短的声音提示发生的事：走进治疗行以及在那里得到治疗，敌人来到你身旁或你的格子上，战斗开始，你的命中与落空，魔法冲击，治疗，敌人的命中与落空，胜利，技能条重新开始并给予点数，花掉一个点数，以及死亡。</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>每一件事也都会显示在屏幕上并告诉屏幕阅读器：没有任何事只靠声音传达。</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>在地图上每走一步，敌人提示音都会指向最近的敌人：敌人在你左边就从左边响起，在右边就从右边响起，离得越远越偏向一侧；敌人在你上方时音调更高，在下方时更低，所以只用一只耳朵也能跟上。</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>两声快速的敲击表示敌人就在你身旁。屏幕阅读器运行时提示音是开启的；在地图上按 %1 可以打开或关闭它，游戏会记住你的选择。</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>在地图上每走一步，Orca 还会报出最近的敌人以及到它的路线，例如“红色敌人：向上 2 格、向左 1 格。”。敌人来到你旁边或你所在的格子时会立即报出，你站着不动时只报一次；敌人在你的格子上时，按 %1 与它战斗，按方向键走开。地图下方的进度条（“距敌人移动的时间”）不会被朗读。</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>要凭听觉选择敌人：%1 报出下一个可见的敌人，从最近的开始，包括它的颜色和到它的路；%2 报出前一个。数字键 %3 到 %4 按颜色符号的点数报出该颜色最近的敌人：1 红、2 橙、3 黄、4 绿、5 蓝、6 靛、7 紫；再按一次，报出该颜色的下一个。之后每走一步，你都会听到到所选敌人的路，直到它被击败。这些键都不会开始战斗，Shift、Ctrl、Alt、大写锁定、Insert 以及任何属于桌面或屏幕阅读器的键也不会。</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>本帮助可以用方向键逐行阅读；在开头列表中某一部分的名称上按回车，即可跳到该部分。赢得战斗时会报出你那种颜色的新技能等级；死亡时，在游戏结束前会报出杀死你的敌人、它的力量和战斗的最后几行。在阵亡者名人堂（%1）中，上和下逐个朗读阵亡的角色，Home 和 End 跳到第一个和最后一个，回车朗读完整记录。</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>走到敌人身上会打开战斗窗口，在窗口关闭之前，地图上的敌人都会停住不动。每场战斗都会在该敌人自己的范围内重新抽取它的力量，它的生命就等于这个力量：同一颜色的三个敌人看起来一样，但强弱各不相同。每次攻击、魔法攻击和治疗之后，敌人都会回应一个回合，生命已满时的治疗也一样。对于撤退、没有魔力时的魔法攻击或治疗，以及击败敌人之后的任何行动，敌人都不会反击。</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>敌人的回合：你在 0 到你的敏捷减 1 之间掷骰闪避，敌人在 1 到它的力量之间掷骰。如果它的点数大于或等于你的，它就会命中你，造成 0 到它力量的一半减 1 之间的伤害（力量为奇数时，一半向上取整）。</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>撤退会离开战斗，敌人不会反击，但它仍留在你的格子上，而且身上的伤全部恢复：下一场与它的战斗将从头开始。击败敌人之后，也要通过撤退带着胜利离开：敌人会消失一段时间，它那种颜色的技能条会增长。</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>以下胜率针对的是生命和魔力全满、既不治疗也不撤退的新角色。仅靠攻击，它击败最弱的红色敌人（力量 %1）的概率是 %2%；但击败最强的红色敌人（力量 %3）的概率，仅靠攻击只有 %4%，先用魔法攻击也只有 %5%；击败最弱的橙色敌人（力量 %6）的概率即使先用魔法攻击也只有 %7%；更强的颜色则最多 %8%。</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>先用魔法攻击：它从不落空，而对更强敌人的攻击大多会落空，并且两者之后敌人的回应方式相同。战斗不利时，或者最初几行显示敌人很强时，就撤退（敌人不会对撤退反击），并立即用方向键离开它的格子。两场战斗之间，在治疗行等待，直到生命和魔力重新回满。</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>如果无法创建存档，游戏会告诉你文件仍在哪里，下次启动时又会以这个死去的角色进行游戏：由于生命低于 1，除非先得到治疗（在治疗行中，可能需要进度条填满好几次；或在战斗中使用治疗），否则它受到的第一次命中就会让它死去，即使伤害为 0。阵亡者名人堂中不会有这次死亡的记录。</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>力量、敏捷、智慧、生命或魔力不是数字时，游戏不会因此停止，但在你修复文件之前，战斗和“+”按钮都会拒绝使用它。每次保存都会先写出一个完整的新文件，再替换旧文件，因此崩溃绝不会留下半个角色；在不允许创建新文件的文件夹中，则改为一次性原地重写该文件。</translation>
    </message>
</context>
<context>
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the values told after a battle&apos;s line or a spent point, as in &quot;Your health: 8. Your magic: 10&quot;.</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A line read as a sentence, e.g. &quot;You miss by -2.&quot; after &quot;You miss by -2&quot;; use your language&apos;s full stop.</extracomment>
        <translation>%1。</translation>
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
        <translation>等级 %1，共 %2 级</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>百分之 %1</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>第 %1 列，第 %2 行，治疗行</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>第 %1 列，第 %2 行</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>视野内没有其他人。</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>向上 %n 格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>向下 %n 格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>向左 %n 格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>向右 %n 格</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 beside you: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands next to the player, the way %2 (&quot;1 up&quot;).</extracomment>
        <translation>%1就在你旁边：%2。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) and the way to it (%2, e.g. &quot;2 up, 1 right&quot;), told after each step.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The map&apos;s square (%1, &quot;World map: Column 1, row 22&quot;) and the way to the nearest enemy (%2, &quot;Red enemy: 3 up.&quot;).</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>%1 on your square: Space fights it, an arrow key steps away.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) has come onto the player&apos;s square; Space starts the battle.</extracomment>
        <translation>%1在你的格子上：空格与它战斗，方向键走开。</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1在你的格子上。</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The map&apos;s square alone (%1, &quot;World map: Column 1, row 22&quot;), before the enemies have moved.</extracomment>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the bitmap&apos;s header is impossible or its pixel rows end early</source>
        <translation>位图的文件头无效，或其像素行提前结束</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>不是任何已知格式的图片</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>大于 %1 字节</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>不可写入</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The detail of a file error: %1 is a file&apos;s path (left to right, e.g. &quot;/home/ann/.local/share/chromaland/Character.chx&quot;), %2 the reason, e.g. &quot;is a folder&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>战斗</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>攻击(&amp;A)</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>攻击敌人</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>魔法攻击(&amp;B)</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>使用魔力对敌人发动魔法攻击</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>治疗(&amp;H)</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>使用魔力进行治疗</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>撤退(&amp;R)</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>逃离战斗</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>克罗玛拉战士</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>你的力量</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>你的力量占双方力量总和的比例。</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>敌人的力量</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>敌人的力量占双方力量总和的比例。</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>敌人</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>玩家属性</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>敌人生命</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>生命：</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>你的生命</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>敌人的生命</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>魔力：</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>你的魔力</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>战斗状态</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>说明：</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>敌人的生命（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>你的魔力（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>说明： </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>魔法攻击：放出魔法冲击，必定命中敌人，造成最多等于你智慧的伤害。</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>治疗：用魔力治愈伤口。你的最大治疗量受智慧限制。</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>没有可以交战的敌人“%1”，因此这场战斗无法进行。</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>你的攻击落空了（-%1）</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>你命中了（+%1），造成 %n 点伤害。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>你消耗 %n 点魔力发动魔法攻击。</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>你不需要治疗！</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>你消耗 %n 点魔力进行治疗。</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>敌人的攻击落空了（-%1）</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>敌人命中了你（+%1），造成 %n 点伤害。</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>你死了。</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>无法执行这个行动：什么也没有发生。</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>你的敏捷（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>你的力量（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>你的智慧（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>你的生命（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>你的最大生命（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>敌人的力量（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>你没有可用的魔力。</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>力量为 %2 的%1杀死了你。战斗的最后几行：%3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>你的力量（%1）不是大于或等于 0 的数字，因此这场战斗无法进行。敌人仍在你的格子上：离开它，并修复文件。</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>角色</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>力量：</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>力量</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>敏捷：</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>敏捷</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>智慧：</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>智慧</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>生命：</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>生命</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>最大生命</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>魔力：</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>魔力</translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation>最大魔力</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>点数：</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>花费 1 点提升力量</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>花费 1 点提升敏捷</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>花费 1 点提升智慧</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>花费 1 点提升生命</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>花费 1 点提升魔力</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>世界地图</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>方向键每次让你移动一格；最下面一行会为你治疗，敌人也不会去那里。</translation>
    </message>
    <message>
        <source>You</source>
        <translation>你</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>紫色敌人</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>靛色敌人</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>蓝色敌人</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>绿色敌人</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>黄色敌人</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>橙色敌人</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>红色敌人</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>克罗玛拉技能</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>紫色技能</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>技能等级；每击败一个紫色敌人加一级。</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>靛色技能</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>技能等级；每击败一个靛色敌人加一级。</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>蓝色技能</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>技能等级；每击败一个蓝色敌人加一级。</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>绿色技能</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>技能等级；每击败一个绿色敌人加一级。</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>黄色技能</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>技能等级；每击败一个黄色敌人加一级。</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>橙色技能</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>技能等级；每击败一个橙色敌人加一级。</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>红色技能</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>技能等级；每击败一个红色敌人加一级。</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>距敌人移动还有：</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>距敌人移动的时间</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>进度条满时，敌人就会移动。</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>距敌人移动的时间</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>颜色符号已开启</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>颜色符号已关闭</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>没有可分配的点数：你仍在地图上，%1。</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>保存并退出？</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>保存并退出</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>继续游戏</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1：视野内没有。</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>说明：</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>按任意键开始游戏</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>说明：你是白色方块，用方向键移动。地图最下面是治疗区，那里是坏家伙们到不了的安全地带。</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>撞上彩色敌人即可攻击。每次击败敌人都能积累克罗玛拉技能；颜色条满后，你会获得额外点数来提升能力。 </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>魔法攻击：用魔法轰击敌人，必定命中，造成最多等于你智慧的伤害。</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>治疗：用魔力治愈伤口。你的最大治疗量受智慧限制。</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland。按任意键开始游戏。</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>角色文件的第 %1 行比它的键还短</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>角色文件的第 %1 行内容为“%2”</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>角色文件应有 15 行，却只有 %1 行</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>角色文件第 %1 行的技能等级</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>角色文件第 %1 行的技能等级为负数</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>找不到角色文件，将创建一个新角色。</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>无法将角色保存到 %1。

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>无法将死去的角色以 %1 为文件名归档到 %2 中（%3）。

角色文件仍在 %4。</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>你赢了。%1。</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>你赢了。%1，重新开始：满格的技能条给了你 %n 点。%2。</numerusform>
        </translation>
    </message>
</context>
</TS>
