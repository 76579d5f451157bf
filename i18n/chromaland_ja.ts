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
    <message>
        <source>Device unavailable</source>
        <translation>デバイスが使用できません</translation>
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
        <source>Opens this help.</source>
        <translation>このヘルプを開きます。</translation>
    </message>
    <message>
        <source>A letter, a digit or another character key</source>
        <translation>英字・数字などの文字キー</translation>
    </message>
    <message>
        <source>Starts the game.</source>
        <translation>ゲームを始めます。</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>矢印キー</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>1 マス移動します。</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>色の記号の表示を切り替えます。</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>ポイントがあるとき：「+」ボタンを順に移動します。</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>「+」ボタン上で：1 ポイント振ります。</translation>
    </message>
    <message>
        <source>Closes the map window, which saves your character and ends the game (your desktop&apos;s key for closing a window).</source>
        <translation>マップのウィンドウを閉じます。キャラクターが保存され、ゲームが終了します（デスクトップでウィンドウを閉じるキー）。</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>ボタンを順に移動します。</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>フォーカスのあるボタンを押します。</translation>
    </message>
    <message>
        <source>Closes this help.</source>
        <translation>このヘルプを閉じます。</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>ヘルプをスクロールします。</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>リンクを順に移動します。</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>フォーカスのあるリンクを開きます。</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>メッセージを閉じます。</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>「攻撃」ボタンを押します。</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>「魔法攻撃」ボタンを押します。</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>「回復」ボタンを押します。</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>「退却」ボタンを押します。</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>ヘルプのテキストをすべて選択し、選択した部分をコピーします。</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>バック（セレクト）</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>十字キーまたは左スティック</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>バンパー（LB、RB）</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>十字キーまたは左スティックの上下</translation>
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
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>Chromaland ヘルプ</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>戦闘</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー操作</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>あなたのキャラクター</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>色の記号</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>スクリーンリーダーで遊ぶ</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, grow stronger with every kill, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>あなたは %1 × %2 マスのマップ上の白い四角です。色のついた敵に体当たりして戦い、倒すたびに強くなり、生き延びましょう。</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers.</extracomment>
        <translation>矢印キーで 1 マスずつ移動します。マップのいちばん下の行は回復の行で、敵は決して入ってきません。マップの下のバーがいっぱいになるたびに（約 %1 秒ごと）、回復の行にいれば最大体力の 10 分の 1 と最大魔力の 10 分の 1 が回復します。</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest, just above the healing row. Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>敵は %1 体、各色 %2 体ずついます。色ごとに動ける行の帯が決まっていて、紫色がマップの上のほう、その下に藍色、青色、緑色、黄色、オレンジ色と続き、赤色がいちばん下、回復の行のすぐ上です。紫色の敵がいちばん強く、赤色がいちばん弱い敵です。マップの下のバーがいっぱいになるたびに、それぞれの敵が 1 歩動くことがあり、倒された敵は 3 回に 1 回の割合で戻ってきます。</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>敵を 1 体倒すごとに、その敵の色のスキルバーが 1 レベル上がります。バーは %1 レベルまであり、いっぱいになった後に倒すとレベル 1 に戻ってポイントがもらえます。強い色ほど多くもらえます。</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>紫色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>藍色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>青色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>緑色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>黄色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>オレンジ色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>赤色：筋力 %1～%2。バーがいっぱいになると %3 ポイント。</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>ポイントがあるあいだは、筋力・器用さ・知恵・体力・魔力の各能力値の横に「+」ボタンが表示されます。1 回押すごとに 1 ポイントを使い、その能力値が 1 上がります。体力と魔力は現在値と最大値の両方が上がります。</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. The enemy&apos;s health is its strength. Each of your moves is answered by the enemy&apos;s turn.</source>
        <translation>敵に体当たりすると戦闘のウィンドウが開き、それが閉じるまでマップ上の敵は動きません。敵の体力は敵の筋力と同じです。あなたが行動するたびに、敵のターンが続きます。</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>攻撃：あなたは 1 から器用さまで、敵は 1 から筋力までの値を振ります。あなたの値のほうが大きければ命中し、1 から筋力までのダメージを与えます。</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>魔法攻撃：魔法で必ず命中し、1 から知恵までのダメージを与えます。ただし敵の体力と、あなたの今の魔力を超えることはありません。与えたダメージと同じだけ魔力を使います。魔力が 1 以上必要です。</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>回復：魔力を体力に変えます。減っている分だけ回復しますが、魔力と知恵を超えることはありません。</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for up to half its strength.</source>
        <translation>敵のターン：あなたは 0 から「器用さ − 1」までの値を振ってかわし、敵は 1 から筋力までの値を振ります。敵の値があなたの値以上なら命中し、最大で敵の筋力の半分のダメージを受けます。</translation>
    </message>
    <message>
        <source>Retreat leaves the battle; the enemy stays on the map. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>退却で戦闘から抜けます。敵はマップに残ります。敵を倒した後も、退却で勝利を持ち帰って戦闘を終えます。敵はしばらく姿を消し、その色のスキルバーが伸びます。</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>体力が 1 未満になると、あなたは死んでしまいます。キャラクターは最後にもう一度保存され、そのファイルは Dead_ に時刻と日付を付けた名前の記録として保管され、ゲームは終了します。次に起動すると新しいキャラクターで始まります。</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>タイトル画面</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>マップ</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>戦闘中</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>The game keeps one character. It is saved when you close the map window, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>このゲームが保持するキャラクターは 1 人です。マップのウィンドウを閉じると、次のファイルに保存されます。</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>ファイルがない場合は、そのことを知らせて新しいキャラクターで始めます。マップ、あなた、敵の画像を自分で用意するときは、このファイルと同じ場所にある Graphics フォルダーに入れます。</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>死んだキャラクターの記録は次のフォルダーに保管されます。</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, or values that are not numbers where the game needs a number), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away. Every save writes a whole new file before it replaces the old one: a crash never leaves half a character.</source>
        <translation>ファイルが壊れている場合（行が足りない、数値が必要な所に数値でない値がある）は、何が問題かをエラーコードとともに表示して終了し、ファイルはそのまま残します。修正したり別の場所に移したりできます。保存のたびに新しいファイルを丸ごと書いてから古いファイルと置き換えるので、クラッシュしてもキャラクターが中途半端に残ることはありません。</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy with as many dots as its colour is strong: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>敵の色の中には、見分けにくいものがあります。色の記号を表示すると、色の強さに応じた数の点が各敵に付きます。赤色は 1 個、オレンジ色は 2 個、黄色は 3 個、緑色は 4 個、青色は 5 個、藍色は 6 個、紫色は 7 個です。あなたは黒い枠付きの白い四角になり、回復の行にいるあいだは赤い十字が付きます。</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>マップで %1 を押すと、色の記号の表示を切り替えます。</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>このゲームは Orca などのスクリーンリーダーに対応しています。タイトル画面では遊び方を読み上げます。マップでは矢印キーを押すたびに新しいマスを伝え、Orca の「Where Am I（現在位置）」では最も近い敵とそこまでの道筋も伝えます。フラットレビュー（flat review）では能力値とスキルレベルを読み上げます。戦闘中は、行動ごとの結果をあなたの体力・魔力と敵の体力とともに伝えます。</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>戦闘の結果は通知として伝えられ、Orca の通知メッセージの一覧に残ります。最後の通知を聞き直したり一覧をたどったりするコマンドには、最初はキーが割り当てられていません。Orca の設定の「キーの割り当て」でキーを割り当ててください。</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>英語のほかに、次の言語で遊べます：%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>ゲームはデスクトップの言語で表示されます（LANGUAGE、次に LC_ALL、LC_MESSAGES、LANG の順）。一度だけ別の言語で遊ぶには、端末からその言語を先頭に指定して起動します。例：%1</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>ゲームコントローラーで遊ぶ</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>ゲームコントローラーでもゲームを最後まで遊べます。接続はゲームの開始前でもプレイ中でもかまいません。キーボードもそのまま使えます。</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>ボタンは多くのコントローラーと同じく位置で呼びます。右側の4つのボタンのうち、下が A、右が B、左が X、上が Y です。コントローラーに書かれた文字や記号は関係ありません。十字キーとスティックは、押し続けるとキーを押し続けたときと同じように繰り返します。ほかのボタンは何もしません。</translation>
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
        <translation>ビットマップのヘッダーが無効か、ピクセルの行が途中で終わっています</translation>
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
            <numerusform>あなたの攻撃が命中（+%1）！&#x3000;敵に %n のダメージ。</numerusform>
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
            <numerusform>敵の攻撃が命中（+%1）！&#x3000;あなたに %n のダメージ。</numerusform>
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
        <translation>色のついた敵に体当たりして攻撃。倒すたびにクロマラ・スキルが伸び、色のバーが満タンになると能力を上げるポイントがもらえます。 </translation>
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
