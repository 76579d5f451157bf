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
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>サウンドをオンにしました</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>サウンドをオフにしました</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>敵の合図をオンにしました</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>敵の合図をオフにしました</translation>
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
        <source>Go from one button to the next.</source>
        <translation>ボタンを順に移動します。</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>フォーカスのあるボタンを押します。</translation>
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
        <translation>スペース</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>Enter（テンキー）</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PageUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PageDown</translation>
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
        <translation>文字キー、数字キー、スペース、Esc、Enter、Backspace のいずれか</translation>
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
    <message>
        <source>Closes the hall.</source>
        <translation>殿堂を閉じます。</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>選んだキャラクターの記録をすべて表示します。</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>その記録をテキストとしてコピーします。</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>キャラクターを保存してゲームを終了するかを確かめます。</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>キャラクターを保存してゲームを終了します。</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>ゲームに戻ります。</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>倒れたキャラクターの間を移動します。記録の中では記録をスクロールします。</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>一覧、記録、閉じるボタンの間を移動します。</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>ヘルプを 1 ページずつスクロールします。</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>ゲームの音を消したり戻したりします。</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>敵の合図を切り替えます。一歩ごとに、いちばん近い敵の方向を音で示します。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>CapsLock</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>NumLock</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>ScrollLock</translation>
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
        <translation>←</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>何もしません（戦闘も始まりません）。単独で押したこれらのキーは、デスクトップとスクリーンリーダーのものです。</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>見えている次の敵を近い順に伝えます（色とそこまでの道のり）。その後は一歩ごとにその敵までの道のりを伝えます。</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>ひとつ前の敵を伝えます（いちばん近い敵まで戻ります）。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>色の記号の点の数で、その色のいちばん近い敵を伝えます：1 赤、2 オレンジ、3 黄、4 緑、5 青、6 藍、7 紫。もう一度押すと、その色の次の敵を伝えます。</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>ヘルプを 1 行ずつ読みます。スクリーンリーダーは移動先の行を読み上げます。Ctrl か Alt と一緒に押すと、位置はそのままでページだけが動きます。</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>1 文字ずつ移動します。Ctrl と一緒なら 1 語ずつ。</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>1 ページ上または下へ移動します（スペース：下へ、Shift+スペース：上へ）。</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>行の先頭または末尾へ移動します。Ctrl と一緒ならヘルプの先頭または末尾へ。</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>これらのキーと一緒に押すと、通った部分のテキストを選択します。</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>リンクを順に移動します。先頭の一覧から各部分へ移動できます。</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>リンク上で：ヘルプのその部分へ移動し、その名前を伝えます。</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>倒れた者の殿堂を開きます。死んだキャラクターの一覧です。</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>ヘルプを開きます。</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>ヘルプを閉じます。</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>そのほかのキー</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>同じマスにいる敵と戦う以外は何もしません。</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>デスクトップのウィンドウを閉じるキー：キャラクターを保存してゲームを終了します。</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>そのマスから離れる矢印キー</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>ポイントがあるときの %1</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>敵に体当たりするとすぐに戦闘になります。あなたのマスにいる敵（敵のほうから来たか、あなたが退却したため）とは、マップで次にキーを押したときに戦闘になります。ただし次のキーは除きます：%1。</translation>
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
        <translation>攻撃：器用さが高いほど敵に当たりやすく、与えるダメージは筋力で決まります。</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>退却：敵が再び攻撃してくる前に逃げ出します。</translation>
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
        <translation>%1、レベル %2</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>%1、強さ %2</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>死亡日時</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>獲得ポイント</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>筋力</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>器用さ</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>知恵</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>魔力</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>最高のスキル</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>倒した敵</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
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
        <translation>%1 に死亡、倒した敵: %2。
獲得ポイント: %3（未使用: %4）。
筋力 %5、器用さ %6、知恵 %7、体力 %8、魔力 %9。
スキルレベル: 紫 %10、藍 %11、青 %12、緑 %13、黄 %14、オレンジ %15、赤 %16。
アーカイブ: %17

戦いの最後の行:
%18</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
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
        <translation>倒れた者の記録を読めませんでした: %1</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>まだ倒れたキャラクターはいません。</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>倒れた者の殿堂</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>記録</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>倒れたキャラクター（成績の良い順）: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>%1 のうち読めずに飛ばした行: %n</numerusform>
        </translation>
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
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>攻撃：あなたは 1 から器用さまで、敵は 1 から筋力までの範囲でダイスを振ります。あなたの出目のほうが大きければ命中し、1 から筋力までのダメージを与えます。</translation>
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
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>ファイルがない場合は、そのことを知らせて新しいキャラクターで始めます。マップ、あなた、敵の画像を自分で用意するときは、このファイルと同じ場所にある Graphics フォルダーに入れます。</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>死んだキャラクターの記録は次のフォルダーに保管されます。</translation>
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
        <source>Advice for a new character</source>
        <translation>新しいキャラクターへのアドバイス</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>あなたは %1 × %2 マスのマップ上の白い四角です。色のついた敵に体当たりして戦い、倒して得たポイントを振って強くなり、生き延びてください。</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>敵を倒すたびに、その色のスキルバーが 1 レベル上がります。スキルのレベルは戦闘には影響しません。バーは %1 レベルまであり、いっぱいになったあとに次の敵を倒すとレベル 1 に戻り、ポイントがもらえます。強い色ほど多くもらえます。</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>マップで %1 を押すと色の記号の表示を切り替えます。この設定は次回の起動にも引き継がれます。</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>矢印キーで 1 マスずつ移動します。マップのいちばん下の行は回復の行で、敵は決して入ってきません。マップの下のバーがいっぱいになるたびに（約 %1 秒ごと）、回復の行にいると最大体力と最大魔力のそれぞれ 10 分の 1（端数切り捨て）が回復します。このため、最大値が %2 未満のあいだは何も回復しません。</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>戦闘中とこのヘルプを開いているあいだ、バーは止まっています。</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>ファイルが壊れているとき（行が足りない、ポイントが数値でない、スキルのレベルが数値でない・負の値・大きすぎる）は、何がおかしいかをエラーコードとともに表示してゲームを終了し、ファイルは元のまま残すので、修正したり移動したりできます。</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>敵の色のなかには、多くの人には見分けにくいものがあります。色の記号は、すべての敵とスキルバーに点を付け、強い色ほど点が多くなります。赤色は 1 個、オレンジ色は 2 個、黄色は 3 個、緑色は 4 個、青色は 5 個、藍色は 6 個、紫色は 7 個です。あなたは黒い枠の白い四角になり、回復の行にいるあいだは赤い十字が付きます。</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>Graphics フォルダーに自分の画像を置くと、画像ごとに記号の代わりに使われます。</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>敵は %1 体で、各色 %2 体ずつです。色ごとに決まった範囲の行を動き、その範囲は互いに重なっています。紫色がマップのいちばん上の近くで、藍色、青色、緑色、黄色、オレンジ色と続き、赤色がいちばん下です。オレンジ色と赤色はどちらも回復の行のすぐ上の行まで来ます。</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>紫色の敵がいちばん強く、赤色がいちばん弱い敵です。マップの下のバーがいっぱいになるたびに、どの敵も 1 歩動くことがあり、倒された敵は 3 回に 1 回の割合で戻ってきます。</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>マップに色の記号を表示し、表示したままにします。</translation>
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
    <message>
        <source>In the hall of the fallen</source>
        <translation>倒れた者の殿堂で</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>このゲームが保持するキャラクターは 1 人で、次のファイルに保存されます。</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>保存して終了するかを聞かれたとき</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>タイトル、マップ、戦闘中に %1 を押すとゲームの音を消し、もう一度押すと戻ります。この設定は次回の起動にも引き継がれ、%2 で起動すると音なしで始まります。サウンドサーバーがなければゲームは音を出さず、そのことを知らせることもありません。</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>ゲームの音を消し、音を戻すまでそのままにします。</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>キャラクターが変わった戦闘のあと、ポイントを使うたび、そしてマップを閉じるときに保存されます。ログアウト、シャットダウン、端末からのゲームの停止でも保存されます。まだ続いている戦闘は保存されませんが、すでに勝った戦闘は保持されます。</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>ゲームは起きたことを短い音で知らせます。回復の列に入る一歩とそこでの回復、敵があなたの隣やあなたのマスに来たこと、戦闘の開始、あなたの攻撃の命中と空振り、魔法の一撃、回復、敵の攻撃の命中と空振り、勝利、スキルバーが最初に戻ってポイントを得たこと、ポイントの使用、そして死です。</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>どれも画面にも表示され、スクリーンリーダーにも伝えられます。音だけで伝えることはありません。</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>マップで一歩進むたびに、敵の合図がいちばん近い敵を指し示します。敵があなたの左にいれば左から、右にいれば右から聞こえ、遠いほど端に寄ります。また、上にいる敵には高く、下にいる敵には低く鳴るので、片方の耳だけでもたどれます。</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>短い音が二回鳴ったら、敵はすぐ隣にいます。合図はスクリーンリーダーの動作中はオンです。マップで %1 を押すとオンとオフが切り替わり、この設定は引き継がれます。</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>マップでは 1 歩ごとに、Orca が最も近い敵とそこまでの道筋も伝えます（例：「赤色の敵：上へ 2 マス、左へ 1 マス。」）。敵がすぐそばや同じマスに来るとすぐに伝えます。あなたが動かない間は 1 回だけです。同じマスにいるときは、%1 で戦い、矢印キーで離れます。マップの下のバー（「敵が動くまでの時間」）は読み上げません。</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>耳で敵を選ぶには、%1 で見えている次の敵を近い順に、色とそこまでの道のりとともに聞き、%2 でひとつ前の敵に戻ります。数字キー %3～%4 は、色の記号の点の数でその色のいちばん近い敵を伝えます：1 赤、2 オレンジ、3 黄、4 緑、5 青、6 藍、7 紫。もう一度押すと、その色の次の敵です。その後は一歩ごとに、選んだ敵までの道のりを、その敵を倒すまで伝えます。これらのキーでは戦闘は始まりません。Shift、Ctrl、Alt、CapsLock、Insert など、デスクトップやスクリーンリーダーのキーでも始まりません。</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>このヘルプは矢印キーで 1 行ずつ読めます。先頭の一覧にある部分の名前の上で Enter を押すと、その部分へ移動します。戦闘に勝つと、その色の新しいスキルレベルを伝えます。死んだときは、ゲームが終わる前に、倒した敵とその強さ、戦闘の最後の行を伝えます。倒れた者の殿堂（%1）では、↑と↓で倒れたキャラクターを 1 人ずつ読み、Home と End で最初と最後へ移動し、Enter で記録全体を読みます。</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>敵に体当たりすると戦闘のウィンドウが開き、それが閉じるまでマップ上の敵は止まっています。戦闘のたびに、敵の筋力はその敵自身の範囲から新たに決まり、その筋力がそのまま敵の体力になります。同じ色の 3 体の敵は見た目は同じですが、強さはそれぞれ違います。攻撃・魔法攻撃・回復のたびに敵のターンが来ます。体力が満タンのときの回復でも同じです。退却、魔力がないときの魔法攻撃や回復、そして敵を倒したあとの行動には、敵は反撃しません。</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>敵のターン：あなたは 0 から「器用さより 1 少ない値」までのダイスを振ってかわそうとし、敵は 1 から筋力までのダイスを振ります。敵の出目があなたの出目以上なら命中し、あなたは 0 から「敵の筋力の半分より 1 少ない値」までのダメージを受けます（筋力が奇数のときは半分を切り上げます）。</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>退却すると戦闘から抜け、敵は反撃しません。ただし敵はあなたのマスに残り、受けた傷はすべて消えます。次にその敵と戦うときは最初からやり直しです。敵を倒したあとも、退却で勝利を持ち帰って戦闘を抜けます。敵はしばらく姿を消し、その色のスキルバーが伸びます。</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>この勝率は、体力と魔力が満タンで、回復も退却もしない新しいキャラクターの場合です。いちばん弱い赤色の敵（筋力 %1）には攻撃だけで %2% の確率で勝ちますが、いちばん強い赤色の敵（筋力 %3）に勝てるのは、攻撃だけでは %4%、先に魔法攻撃を使っても %5% にとどまります。いちばん弱いオレンジ色の敵（筋力 %6）には先に魔法攻撃を使っても %7%、それより強い色の敵には多くても %8% の確率でしか勝てません。</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>まず魔法攻撃を使いましょう。魔法攻撃は決して外れませんが、強い敵への攻撃はたいてい外れます。しかも敵のターンはどちらのあとにも同じように来ます。戦闘の形勢が悪いときや、最初の数行で強い敵だとわかったときは退却し（退却には敵は反撃しません）、すぐに矢印キーでそのマスから離れましょう。戦闘の合間には、体力と魔力が満タンに戻るまで回復の行で待ちましょう。</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>記録を保管できなかったときは、ファイルがまだどこにあるかを表示し、次に起動すると死んだキャラクターで再び遊ぶことになります。体力が 1 未満なので、先に回復しない限り、最初に受けた一撃で（0 のダメージでも）終わりです。回復は、回復の行で（バーが何回かいっぱいになるまでかかることもあります）、または戦闘中の回復でできます。倒れた者の殿堂にはその死は記録されません。</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>筋力・器用さ・知恵・体力・魔力が数値でなくてもゲームは止まりませんが、ファイルを修正するまで戦闘と「+」ボタンはその値を受け付けません。保存のたびに新しいファイルを丸ごと書いてから古いファイルと置き換えるので、クラッシュしてもキャラクターが中途半端に残ることはありません。新しいファイルを作れないフォルダーでは、代わりにそのファイルをその場で 1 回の書き込みで書き直します。</translation>
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
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 beside you: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands next to the player, the way %2 (&quot;1 up&quot;).</extracomment>
        <translation>%1がすぐそばにいます：%2。</translation>
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
        <translation>%1があなたのマスにいます：スペースで戦い、矢印キーで離れます。</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1があなたのマスにいます。</translation>
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
        <translation>あなたの体力（%1）は戦闘に使えない値のため、何も起こりませんでした。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
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
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>強さ %2 の%1に倒されました。戦闘の最後の行：%3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>あなたの筋力（%1）が 0 以上の数値ではないため、この戦闘は行えません。敵はあなたのマスに残っています。敵から離れて、ファイルを修正してください。</translation>
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
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>使えるポイントはありません。マップのままです（%1）。</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>保存して終了しますか？</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>保存して終了</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>プレイを続ける</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1：見当たりません。</translation>
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
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland。キーを押してスタート。</translation>
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
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>勝ちました。%1。</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>勝ちました。%1 からやり直し：満タンのバーで %n ポイントを得ました。%2。</numerusform>
        </translation>
    </message>
</context>
</TS>
