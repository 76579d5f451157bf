<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>「%1」は大きすぎます</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>%1 は 16 ビットに収まりません</translation>
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
        <translation>プロシージャの呼び出しまたは引数が無効です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>ファイルの終わりを越えて読み込もうとしました</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パスまたはファイルのアクセスエラー</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が無効です</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>画像が無効です</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>アプリケーション定義またはオブジェクト定義のエラー</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>エラー %1：%2</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>攻撃：器用さが高いほど敵に当たりやすく、与えるダメージは筋力で決まります。</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>退却：敵が再び攻撃してくる前に逃げ出します。</translation>
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
        <translation>レベル %1（最大 %2）</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 パーセント</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>%1 列目、%2 行目、回復の行</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>%1 列目、%2 行目</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>ほかには誰も見当たりません。</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>上へ %n マス</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>下へ %n マス</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>左へ %n マス</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>右へ %n マス</numerusform>
        </translation>
    </message>
    <message>
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>同じマス</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>いちばん近いのは%1、%2。</translation>
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
        <translation>ビットマップのヘッダーがありえない値か、ピクセルの行が途中で終わっています</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>既知のどの形式の画像でもありません</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>書き込みできません</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>戦闘</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>攻撃(&amp;A)</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>敵を攻撃する</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>魔法攻撃(&amp;B)</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>魔力を使って敵に魔法攻撃する</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>回復(&amp;H)</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>魔力を使って回復する</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>退却(&amp;R)</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>戦闘から逃げる</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>クロマラの戦士</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>あなたの筋力</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>両者の筋力の合計のうち、あなたの筋力が占める割合。</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>敵の筋力</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>両者の筋力の合計のうち、敵の筋力が占める割合。</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>敵</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>プレイヤーの能力値</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>敵の体力</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>体力：</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>あなたの体力</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>敵の体力</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>魔力：</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>あなたの魔力</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>戦闘の状況</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>遊び方：</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>敵の体力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>あなたの魔力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>遊び方： </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>魔法攻撃：魔法を放って敵に必ず命中させ、最大で知恵の値のダメージを与えます。</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>回復：魔力で傷を癒やします。回復できる量の上限は知恵で決まります。</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>戦う敵「%1」がいないため、この戦闘は行えません。</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>あなたの筋力（%1）が 0 以上の数ではないため、この戦闘は行えません。あなたは敵から離れます。</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>あなたの攻撃は外れた（-%1）</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>あなたの攻撃が命中（+%1）！ 敵に %n のダメージ。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>魔力を %n 使って魔法攻撃した！</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>回復の必要はない！</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>魔力を %n 使って回復した。</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>敵の攻撃は外れた（-%1）</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>敵の攻撃が命中（+%1）！ あなたに %n のダメージ。</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>あなたは死んでしまった。</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>その行動は実行できなかったため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>あなたの器用さ（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>あなたの筋力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>あなたの知恵（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>あなたの体力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1／%2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>あなたの最大体力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>敵の筋力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>使える魔力が残っていない。</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>キャラクター</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>筋力：</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>筋力</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>器用さ：</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>器用さ</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>知恵：</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>知恵</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>体力：</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>最大体力</translation>
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
        <translation>Pt：</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>ポイント</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>筋力に 1 ポイント振る</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>器用さに 1 ポイント振る</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>知恵に 1 ポイント振る</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>体力に 1 ポイント振る</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>魔力に 1 ポイント振る</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>ワールドマップ</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>矢印キーで 1 マスずつ移動します。いちばん下の行では回復でき、敵は入ってきません。</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>紫色の敵</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>藍色の敵</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>青色の敵</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>緑色の敵</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>黄色の敵</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>オレンジ色の敵</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>赤色の敵</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>クロマラ・スキル</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>紫色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>スキルレベル。紫色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>藍色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>スキルレベル。藍色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>青色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>スキルレベル。青色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>緑色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>スキルレベル。緑色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>黄色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>スキルレベル。黄色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>オレンジ色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>スキルレベル。オレンジ色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>赤色のスキル</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>スキルレベル。赤色の敵を 1 体倒すごとに 1 上がります。</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>敵が動くまでの時間：</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>敵が動くまでの時間</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>バーがいっぱいになると敵が動きます。</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>敵が動くまでの時間</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>色の記号をオンにしました</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>色の記号をオフにしました</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>遊び方：</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>キーを押してスタート</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>遊び方：あなたは白い四角。カーソルキーで移動します。マップ最下段は敵の来ない安全な回復エリアです。</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>敵の色に体当たりして攻撃。倒すたびにクロマラ・スキルが伸び、色のバーが満タンになると能力を上げるポイントがもらえます。 </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>魔法攻撃：魔法で敵に必ず命中し、最大で知恵の値のダメージを与えます。</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>回復：魔力で傷を癒やします。回復できる量の上限は知恵で決まります。</translation>
    </message>
    <message>
        <source>Press a key to play.</source>
        <translation>キーを押してスタート。</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>キャラクターファイルの %1 行目がキーより短くなっています</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>キャラクターファイルの %1 行目の内容が「%2」です</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>キャラクターファイルには 15 行のうち %1 行しかありません</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>キャラクターファイルの %1 行目のスキルレベル</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>キャラクターファイルの %1 行目のスキルレベルが負の値です</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>キャラクターファイルが見つかりません。新しいキャラクターを作成します。</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>キャラクターを %1 に保存できませんでした。

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>死んだキャラクターを %2 に %1 として保管できませんでした（%3）。

キャラクターファイルは %4 に残っています。</translation>
    </message>
</context>
</TS>
