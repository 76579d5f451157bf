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
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 超出了 16 位的范围</translation>
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
    <name>LabelAccessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A value as a screen reader tells it, e.g. &quot;Strength: 10&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>. </source>
        <extracomment>Between the values told after a battle&apos;s line, as in &quot;Your health: 8. Your magic: 10&quot;.</extracomment>
        <translation>。</translation>
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
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>就在同一格</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>最近的是%1，%2。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The map&apos;s description: the nearest enemy (%1), then how to play on the map (%2).</extracomment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the bitmap&apos;s header is impossible or its pixel rows end early</source>
        <translation>位图的文件头不可能成立，或其像素行提前结束</translation>
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
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>你的力量（%1）不是大于或等于 0 的数字，因此这场战斗无法进行。你从敌人身边退开了。</translation>
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
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>你的生命（%1）无法在战斗中使用：什么也没有发生。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
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
        <translation>使用 1 个点数提升力量</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>使用 1 个点数提升敏捷</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>使用 1 个点数提升智慧</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>使用 1 个点数提升生命</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>使用 1 个点数提升魔力</translation>
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
        <source>Press a key to play.</source>
        <translation>按任意键开始游戏。</translation>
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
        <translation>无法将死去的角色以 %1 归档到 %2 中（%3）。

角色文件仍在 %4。</translation>
    </message>
</context>
</TS>
