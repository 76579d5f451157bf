<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>القيمة «⁨%1⁩» كبيرة جدًا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>القيمة «⁨%1⁩» ليست عددًا</translation>
    </message>
</context>
<context>
    <name>FunctionKeys</name>
    <message>
        <source>Sound on</source>
        <extracomment>Shown for a moment over the window, and told to a screen reader, when F4 brings the game&apos;s sound back.</extracomment>
        <translation>الصوت مفعّل</translation>
    </message>
    <message>
        <source>Sound off</source>
        <extracomment>Shown and told when F4 silences the game.</extracomment>
        <translation>الصوت متوقف</translation>
    </message>
    <message>
        <source>Enemy cue on</source>
        <extracomment>Shown and told when F5 switches on the sound that points to the nearest enemy after each step.</extracomment>
        <translation>إشارة العدو مفعّلة</translation>
    </message>
    <message>
        <source>Enemy cue off</source>
        <extracomment>Shown and told when F5 switches the enemy cue off.</extracomment>
        <translation>إشارة العدو متوقفة</translation>
    </message>
</context>
<context>
    <name>GameError</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s standard text (%1) with what it concerns (%2).</extracomment>
        <translation>⁨%1⁩ (⁨%2⁩)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيط غير صالح</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>خطأ داخلي</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>قراءة بعد نهاية الملف</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>تم رفض الإذن</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>خطأ في الوصول إلى المسار أو الملف</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>قيمة خاصية غير صالحة</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>صورة غير صالحة</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>خطأ يعرّفه التطبيق أو الكائن</translation>
    </message>
    <message>
        <source>Error: %1 : %2</source>
        <extracomment>The box shown when the game cannot start: %1 is the failure&apos;s code, %2 its description.</extracomment>
        <translation>خطأ: ⁨%1⁩ : ⁨%2⁩</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>الجهاز غير متاح</translation>
    </message>
</context>
<context>
    <name>GameKeys</name>
    <message>
        <source>, </source>
        <extracomment>Between the names of keys that do the same (&quot;Enter, Space&quot;); keep it short.</extracomment>
        <translation>‏، </translation>
    </message>
    <message>
        <source>Starts the game.</source>
        <translation>يبدأ اللعبة.</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>مفاتيح الأسهم</translation>
    </message>
    <message>
        <source>Move you one square.</source>
        <translation>تحرّكك مربعًا واحدًا.</translation>
    </message>
    <message>
        <source>Switches the colour symbols on and off.</source>
        <translation>يُظهر رموز الألوان أو يخفيها.</translation>
    </message>
    <message>
        <source>While you have points: go from one &quot;+&quot; button to the next.</source>
        <translation>ما دامت لديك نقاط: تنقّل من زر «+» إلى الزر التالي.</translation>
    </message>
    <message>
        <source>On a &quot;+&quot; button: spends a point.</source>
        <translation>على زر «+»: ينفق نقطة.</translation>
    </message>
    <message>
        <source>Go from one button to the next.</source>
        <translation>تنقّل من زر إلى الزر التالي.</translation>
    </message>
    <message>
        <source>Presses the button that has the focus.</source>
        <translation>يضغط الزر الذي عليه التركيز.</translation>
    </message>
    <message>
        <source>Scroll the help.</source>
        <translation>مرّر نص المساعدة.</translation>
    </message>
    <message>
        <source>Go from one link to the next.</source>
        <translation>تنقّل من رابط إلى الرابط التالي.</translation>
    </message>
    <message>
        <source>Follows the link that has the focus.</source>
        <translation>يفتح الرابط الذي عليه التركيز.</translation>
    </message>
    <message>
        <source>Closes the message.</source>
        <translation>يغلق الرسالة.</translation>
    </message>
    <message>
        <source>Presses the Attack button.</source>
        <translation>يضغط زر «هجوم».</translation>
    </message>
    <message>
        <source>Presses the Blast button.</source>
        <translation>يضغط زر «صاعقة».</translation>
    </message>
    <message>
        <source>Presses the Heal button.</source>
        <translation>يضغط زر «شفاء».</translation>
    </message>
    <message>
        <source>Presses the Retreat button.</source>
        <translation>يضغط زر «انسحاب».</translation>
    </message>
    <message>
        <source>Select all of the help&apos;s text, and copy what is selected.</source>
        <translation>يحدد كل نص المساعدة، وينسخ ما حُدِّد.</translation>
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
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>إدخال</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the number pad.</extracomment>
        <translation>إدخال لوحة الأرقام</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>الأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>الأسفل</translation>
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
        <translation>حرف أو رقم أو مسافة أو ⁨Esc⁩ أو إدخال أو ⁨Backspace⁩</translation>
    </message>
    <message>
        <source>Back (Select)</source>
        <extracomment>A game controller&apos;s Back button (Select, View, Share or &quot;-&quot; on some controllers).</extracomment>
        <translation>رجوع (Select)</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A game controller&apos;s Start button (Options, Menu or &quot;+&quot; on some controllers).</extracomment>
        <translation>البدء (Start)</translation>
    </message>
    <message>
        <source>D-pad or left stick</source>
        <translation>لوحة الاتجاهات أو العصا اليسرى</translation>
    </message>
    <message>
        <source>Shoulder buttons (LB, RB)</source>
        <translation>أزرار الكتف (LB وRB)</translation>
    </message>
    <message>
        <source>Up and down on the d-pad or left stick</source>
        <translation>أعلى وأسفل في لوحة الاتجاهات أو العصا اليسرى</translation>
    </message>
    <message>
        <source>Closes the hall.</source>
        <translation>يغلق القاعة.</translation>
    </message>
    <message>
        <source>Shows the whole record of the chosen character.</source>
        <translation>يعرض السجل الكامل للشخصية المختارة.</translation>
    </message>
    <message>
        <source>Copies that record as text.</source>
        <translation>ينسخ ذلك السجل نصًا.</translation>
    </message>
    <message>
        <source>Asks whether to save your character and end the game.</source>
        <translation>يسألك هل تريد حفظ شخصيتك وإنهاء اللعبة.</translation>
    </message>
    <message>
        <source>Saves your character and ends the game.</source>
        <translation>يحفظ شخصيتك وينهي اللعبة.</translation>
    </message>
    <message>
        <source>Goes back to the game.</source>
        <translation>يعود إلى اللعبة.</translation>
    </message>
    <message>
        <source>Go from one fallen character to another; in the record, scroll it.</source>
        <translation>تنقّل من شخصية راحلة إلى أخرى؛ وفي السجل مرّر نصه.</translation>
    </message>
    <message>
        <source>Go between the list, the record and the Close button.</source>
        <translation>تنقّل بين القائمة والسجل وزر «إغلاق».</translation>
    </message>
    <message>
        <source>Scroll the help a page at a time.</source>
        <translation>مرّر نص المساعدة صفحةً بعد صفحة.</translation>
    </message>
    <message>
        <source>Switches the game&apos;s sound off and on.</source>
        <translation>يكتم صوت اللعبة أو يعيده.</translation>
    </message>
    <message>
        <source>Switches the enemy cue on and off: after each step, a sound that points to the nearest enemy.</source>
        <translation>يشغّل إشارة العدو أو يوقفها: بعد كل خطوة، صوت يدل على أقرب عدو.</translation>
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
        <translation>اليسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>اليمين</translation>
    </message>
    <message>
        <source>Nothing at all, not even a battle: alone, they are your desktop&apos;s and your screen reader&apos;s keys.</source>
        <translation>لا شيء إطلاقًا، ولا حتى معركة: وحدها هي مفاتيح سطح مكتبك وقارئ شاشتك.</translation>
    </message>
    <message>
        <source>Tells the next enemy you can see, nearest first: its colour and the way to it. Each step you take then tells the way to that enemy.</source>
        <translation>يذكر العدو التالي الظاهر، الأقرب أولًا: لونه والطريق إليه. بعد ذلك تذكر كل خطوة الطريق إلى ذلك العدو.</translation>
    </message>
    <message>
        <source>Tells the enemy before it, back to the nearest.</source>
        <translation>يذكر العدو الذي قبله، رجوعًا إلى الأقرب.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>%1 and %2 are the first and the last of the number keys, 1 and 7.</extracomment>
        <translation>⁨%1⁩ إلى ⁨%2⁩</translation>
    </message>
    <message>
        <source>Tells the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet. Pressed again: the next one of that colour.</source>
        <translation>يذكر أقرب عدو من لون ما، بعدد نقاط رمز لونه: 1 أحمر، 2 برتقالي، 3 أصفر، 4 أخضر، 5 أزرق، 6 نيلي، 7 بنفسجي. وإذا ضُغط مرة أخرى: التالي من ذلك اللون.</translation>
    </message>
    <message>
        <source>Read the help line by line: a screen reader reads each line you reach. With Ctrl or Alt, the page moves and you stay where you are.</source>
        <translation>اقرأ المساعدة سطرًا سطرًا: يقرأ قارئ الشاشة كل سطر تصل إليه. مع Ctrl أو Alt تتحرك الصفحة وتبقى أنت في مكانك.</translation>
    </message>
    <message>
        <source>Go letter by letter; with Ctrl, word by word.</source>
        <translation>حرفًا حرفًا؛ ومع Ctrl كلمةً كلمة.</translation>
    </message>
    <message>
        <source>Go a page up or down (Space: down, Shift+Space: up).</source>
        <translation>صفحة إلى الأعلى أو الأسفل (مسافة: للأسفل، Shift+مسافة: للأعلى).</translation>
    </message>
    <message>
        <source>Go to the start or the end of the line; with Ctrl, of the help.</source>
        <translation>إلى بداية السطر أو نهايته؛ ومع Ctrl إلى بداية المساعدة أو نهايتها.</translation>
    </message>
    <message>
        <source>Held with those keys: selects the text you go over.</source>
        <translation>مع هذه المفاتيح: يحدد النص الذي تمر عليه.</translation>
    </message>
    <message>
        <source>Go from one link to the next: the list at the top links to each part.</source>
        <translation>تنقّل من رابط إلى التالي: القائمة في الأعلى ترتبط بكل جزء.</translation>
    </message>
    <message>
        <source>On a link: takes you to that part of the help, told by its name.</source>
        <translation>على رابط: ينقلك إلى ذلك الجزء من المساعدة، ويُعلَن اسمه.</translation>
    </message>
    <message>
        <source>Opens the hall of the fallen: the characters who died.</source>
        <translation>يفتح قاعة الراحلين: الشخصيات التي ماتت.</translation>
    </message>
    <message>
        <source>Opens the help.</source>
        <translation>يفتح المساعدة.</translation>
    </message>
    <message>
        <source>Closes the help.</source>
        <translation>يغلق المساعدة.</translation>
    </message>
    <message>
        <source>Any other key</source>
        <translation>أي مفتاح آخر</translation>
    </message>
    <message>
        <source>Does nothing but fight an enemy on your square.</source>
        <translation>لا يفعل شيئًا سوى قتال عدو في مربعك.</translation>
    </message>
    <message>
        <source>Your desktop&apos;s key to close a window: saves your character and ends the game.</source>
        <translation>مفتاح سطح المكتب لإغلاق النافذة: يحفظ شخصيتك وينهي اللعبة.</translation>
    </message>
    <message>
        <source>an arrow key that takes you off the square</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square.</extracomment>
        <translation>مفتاح سهم يُخرجك من المربع</translation>
    </message>
    <message>
        <source>%1 while you have points</source>
        <extracomment>Part of the sentence on which keys fight an enemy on your square; %1 is &quot;Tab, Shift+Tab&quot;.</extracomment>
        <translation>%1 ما دامت لديك نقاط</translation>
    </message>
    <message>
        <source>Walking onto an enemy fights it at once. An enemy that stands on your square (it came to you, or you retreated) is fought at the next key you press on the map, except: %1.</source>
        <extracomment>The one rule for fighting on the map; %1 lists the keys that do not fight, separated by &quot;; &quot;.</extracomment>
        <translation>دخولك مربع عدو يبدأ القتال معه فورًا. أما العدو الذي يقف في مربعك (لأنه جاء إليك أو لأنك انسحبت) فتقاتله عند المفتاح التالي الذي تضغطه على الخريطة، ما عدا: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>ATTACK: Your Dexterity decides how often you will hit the enemy in combat. If you do hit then your Strength determines how much damage you inflict.</source>
        <translation>هجوم: براعتك تحدد كم مرة تصيب العدو في القتال. وإذا أصبته فقوتك تحدد مقدار الضرر الذي تلحقه به.</translation>
    </message>
    <message>
        <source>RETREAT: You run away before the enemy can attack again.</source>
        <translation>انسحاب: تهرب قبل أن يتمكن العدو من الهجوم مجددًا.</translation>
    </message>
</context>
<context>
    <name>HallModel</name>
    <message>
        <source>%1 (newest)</source>
        <extracomment>The date of the newest record in the hall of the fallen; %1 is the date and time.</extracomment>
        <translation>⁨%1⁩ (الأحدث)</translation>
    </message>
    <message>
        <source>%1, level %2</source>
        <extracomment>The highest skill of a fallen character: %1 is a skill (&quot;Violet skill&quot;), %2 its level.</extracomment>
        <translation>⁨%1⁩، المستوى ⁨%2⁩</translation>
    </message>
    <message>
        <source>%1, strength %2</source>
        <extracomment>What killed a fallen character: %1 is an enemy (&quot;Red enemy&quot;), %2 its strength.</extracomment>
        <translation>⁨%1⁩، القوة ⁨%2⁩</translation>
    </message>
    <message>
        <source>Died</source>
        <extracomment>Column headings of the hall of the fallen.</extracomment>
        <translation>تاريخ الموت</translation>
    </message>
    <message>
        <source>Points earned</source>
        <translation>النقاط المكتسبة</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>القوة</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>البراعة</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>الحكمة</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>الصحة</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>السحر</translation>
    </message>
    <message>
        <source>Highest skill</source>
        <translation>أعلى مهارة</translation>
    </message>
    <message>
        <source>Killed by</source>
        <translation>القاتل</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
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
        <translation>مات في ⁨%1⁩، قتله: ⁨%2⁩.
النقاط المكتسبة: ⁨%3⁩ (غير المنفقة: ⁨%4⁩).
القوة ⁨%5⁩، البراعة ⁨%6⁩، الحكمة ⁨%7⁩، الصحة ⁨%8⁩، السحر ⁨%9⁩.
مستويات المهارات: البنفسجي ⁨%10⁩، النيلي ⁨%11⁩، الأزرق ⁨%12⁩، الأخضر ⁨%13⁩، الأصفر ⁨%14⁩، البرتقالي ⁨%15⁩، الأحمر ⁨%16⁩.
الأرشيف: ⁨%17⁩

آخر أسطر المعركة:
⁨%18⁩</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>غير معروفة</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell of the hall of the fallen as a screen reader says it: %1 the column (&quot;Points earned&quot;), %2 the cell.</extracomment>
        <translation>%1: ⁨%2⁩</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <extracomment>The date and time of a death, as a date format of Qt: d the day, MMMM the month&apos;s name, yyyy the year, HH:mm the time; quote other letters (&apos;de&apos;). The month&apos;s name keeps the date from reading two ways.</extracomment>
        <translation>d MMMM yyyy، HH:mm</translation>
    </message>
</context>
<context>
    <name>HallWindow</name>
    <message>
        <source>The history of the fallen could not be read: %1</source>
        <extracomment>%1 is the history file&apos;s path and the reason it could not be read.</extracomment>
        <translation>تعذّرت قراءة سجل الراحلين: ⁨%1⁩</translation>
    </message>
    <message>
        <source>No character has fallen yet.</source>
        <translation>لم تسقط أي شخصية بعد.</translation>
    </message>
    <message>
        <source>Hall of the Fallen</source>
        <extracomment>The title of the window that lists the characters who died.</extracomment>
        <translation>قاعة الراحلين</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The accessible name of the box that shows one fallen character&apos;s whole record.</extracomment>
        <translation>السجل</translation>
    </message>
    <message numerus="yes">
        <source>Fallen characters, the best first: %n.</source>
        <translation>
            <numerusform>الشخصيات الراحلة، الأفضل أولًا: ⁨%n⁩.</numerusform>
            <numerusform>الشخصيات الراحلة، الأفضل أولًا: ⁨%n⁩.</numerusform>
            <numerusform>الشخصيات الراحلة، الأفضل أولًا: ⁨%n⁩.</numerusform>
            <numerusform>الشخصيات الراحلة، الأفضل أولًا: ⁨%n⁩.</numerusform>
            <numerusform>الشخصيات الراحلة، الأفضل أولًا: ⁨%n⁩.</numerusform>
            <numerusform>الشخصيات الراحلة، الأفضل أولًا: ⁨%n⁩.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines of %1 that could not be read and were skipped: %n.</source>
        <extracomment>After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file&apos;s path.</extracomment>
        <translation>
            <numerusform>أسطر ⁨%1⁩ التي تعذّرت قراءتها فتُخطّيت: ⁨%n⁩.</numerusform>
            <numerusform>أسطر ⁨%1⁩ التي تعذّرت قراءتها فتُخطّيت: ⁨%n⁩.</numerusform>
            <numerusform>أسطر ⁨%1⁩ التي تعذّرت قراءتها فتُخطّيت: ⁨%n⁩.</numerusform>
            <numerusform>أسطر ⁨%1⁩ التي تعذّرت قراءتها فتُخطّيت: ⁨%n⁩.</numerusform>
            <numerusform>أسطر ⁨%1⁩ التي تعذّرت قراءتها فتُخطّيت: ⁨%n⁩.</numerusform>
            <numerusform>أسطر ⁨%1⁩ التي تعذّرت قراءتها فتُخطّيت: ⁨%n⁩.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Chromaland Help</source>
        <extracomment>The help window&apos;s title.</extracomment>
        <translation>مساعدة Chromaland</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>اللعب</translation>
    </message>
    <message>
        <source>The battle</source>
        <translation>المعركة</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Your character</source>
        <translation>شخصيتك</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>رموز الألوان</translation>
    </message>
    <message>
        <source>With a screen reader</source>
        <translation>مع قارئ الشاشة</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>Violet: strength %1 to %2; a full bar gives %3 points.</source>
        <extracomment>A line of the list of colours: %1 to %2 is the enemies&apos; strength, %3 the points a full bar gives.</extracomment>
        <translation>البنفسجي: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>Indigo: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>النيلي: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>Blue: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>الأزرق: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>Green: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>الأخضر: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>Yellow: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>الأصفر: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>Orange: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>البرتقالي: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>Red: strength %1 to %2; a full bar gives %3 points.</source>
        <translation>الأحمر: القوة من ⁨%1⁩ إلى ⁨%2⁩؛ نقاط الشريط الممتلئ: ⁨%3⁩.</translation>
    </message>
    <message>
        <source>While you have points, a &quot;+&quot; button shows beside each of your statistics: Strength, Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic by one; Health and Magic raise both the value and its maximum.</source>
        <translation>ما دامت لديك نقاط، يظهر زر «+» بجانب كل من إحصاءاتك: القوة والبراعة والحكمة والصحة والسحر. كل ضغطة تنفق نقطة واحدة وترفع تلك القيمة بمقدار واحد؛ وفي الصحة والسحر ترتفع القيمة وحدّها الأقصى معًا.</translation>
    </message>
    <message>
        <source>Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll is higher, you hit for 1 to your Strength.</source>
        <translation>هجوم: تُجري رمية من 1 إلى قدر براعتك، ويُجري العدو رمية من 1 إلى قدر قوته. إن كانت رميتك أعلى أصبته بضرر من 1 إلى قدر قوتك.</translation>
    </message>
    <message>
        <source>Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy&apos;s health and never more than the Magic you have; it costs as much Magic as the damage it does. You need at least 1 Magic.</source>
        <translation>صاعقة: إصابة مؤكدة بالسحر بضرر من 1 إلى قدر حكمتك، لا يتجاوز أبدًا صحة العدو ولا السحر الذي لديك؛ وتكلّفك من السحر قدر الضرر الذي تُلحقه. تحتاج إلى نقطة سحر واحدة على الأقل.</translation>
    </message>
    <message>
        <source>Heal: turns Magic into Health, as much as you are missing but no more than your Magic and no more than your Wisdom.</source>
        <translation>شفاء: يحوّل السحر إلى صحة بقدر ما ينقصك منها، دون أن يتجاوز سحرك ولا حكمتك.</translation>
    </message>
    <message>
        <source>When your Health falls below 1 you die. Your character is saved one last time and its file becomes an archive named Dead_ with the time and date, and the game ends. The next start begins with a new character.</source>
        <translation>حين تنخفض صحتك إلى ما دون 1 تموت. تُحفظ شخصيتك مرة أخيرة ويصبح ملفها أرشيفًا يحمل اسم ⁨Dead_⁩ متبوعًا بالوقت والتاريخ، وتنتهي اللعبة. ويبدأ التشغيل التالي بشخصية جديدة.</translation>
    </message>
    <message>
        <source>On the title</source>
        <extracomment>The headings of the list of keys, one for each window.</extracomment>
        <translation>في شاشة العنوان</translation>
    </message>
    <message>
        <source>On the map</source>
        <translation>على الخريطة</translation>
    </message>
    <message>
        <source>In a battle</source>
        <translation>في المعركة</translation>
    </message>
    <message>
        <source>In this help</source>
        <translation>في هذه المساعدة</translation>
    </message>
    <message>
        <source>In a message</source>
        <translation>في رسالة</translation>
    </message>
    <message>
        <source>When the file is missing, the game says so and starts a new character. Pictures of your own for the map, for you and for the enemies go into the Graphics folder beside it.</source>
        <translation>إذا لم يكن الملف موجودًا، تُنبّهك اللعبة إلى ذلك وتبدأ شخصية جديدة. أما صورك الخاصة للخريطة ولك وللأعداء فتوضع في المجلد ⁨Graphics⁩ بجانبه.</translation>
    </message>
    <message>
        <source>A dead character&apos;s archive goes into this folder:</source>
        <extracomment>The folder&apos;s full path follows on a line of its own.</extracomment>
        <translation>يوضع أرشيف الشخصية الميتة في هذا المجلد:</translation>
    </message>
    <message>
        <source>The game speaks to screen readers such as Orca. The title reads its instructions. On the map every arrow key tells your new square, and Orca&apos;s &quot;where am I&quot; adds the nearest enemy and the way to it; flat review reads your statistics and skill levels. In a battle, each move&apos;s lines are told with your health and magic and the enemy&apos;s health.</source>
        <extracomment>&quot;where am I&quot; and &quot;flat review&quot; are Orca&apos;s own commands: use the names Orca gives them in your language.</extracomment>
        <translation>تتحدث اللعبة إلى قارئات الشاشة مثل Orca. تقرأ شاشة العنوان تعليماتها. وعلى الخريطة يُعلن كل مفتاح سهم مربعك الجديد، ويضيف أمر «أين أنا» (⁨Where Am I⁩) في Orca أقرب عدو والطريق إليه؛ وتقرأ «المراجعة المسطحة» (⁨Flat Review⁩) إحصاءاتك ومستويات مهاراتك. وفي المعركة، تُعلَن سطور كل حركة مع صحتك وسحرك وصحة العدو.</translation>
    </message>
    <message>
        <source>The battle&apos;s lines are notifications, which Orca keeps in its list of notification messages. Its commands to hear the last ones again or to go through the list have no keys at first: give them keys under Key Bindings in Orca&apos;s preferences.</source>
        <extracomment>&quot;Key Bindings&quot; is the name of a page of Orca&apos;s preferences: use its name in Orca in your language.</extracomment>
        <translation>سطور المعركة إشعارات، يحفظها Orca في قائمة رسائل الإشعارات لديه. وأوامره لإعادة سماع آخرها أو للتنقل في القائمة ليس لها مفاتيح في البداية: عيّن لها مفاتيح في صفحة «المفاتيح المربوطة» (⁨Key Bindings⁩) في تفضيلات Orca.</translation>
    </message>
    <message>
        <source>Besides English, the game speaks: %1.</source>
        <extracomment>%1 is the list of the languages, each by its own name.</extracomment>
        <translation>إلى جانب الإنجليزية، تتحدث اللعبة: ⁧%1⁩.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>‏، </translation>
    </message>
    <message>
        <source>It speaks your desktop&apos;s language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play in another language once, start it from a terminal with that language first, for example: %1</source>
        <extracomment>%1 is a command that starts the game in German; it stays as it is.</extracomment>
        <translation>تتحدث اللعبة بلغة سطح المكتب لديك (⁨LANGUAGE⁩، ثم ⁨LC_ALL⁩ و⁨LC_MESSAGES⁩ و⁨LANG⁩). ولتلعب بلغة أخرى مرة واحدة، شغّلها من الطرفية مع كتابة تلك اللغة قبل الأمر، مثلًا: ⁨%1⁩</translation>
    </message>
    <message>
        <source>Advice for a new character</source>
        <translation>نصائح لشخصية جديدة</translation>
    </message>
    <message>
        <source>You are the white square on a map of %1 by %2 squares. Walk onto the coloured enemies to fight them, spend the points that kills bring to grow stronger, and stay alive.</source>
        <extracomment>%1 is the number of columns, %2 the number of rows.</extracomment>
        <translation>أنت المربع الأبيض على خريطة أبعادها ⁨%1⁩ × ⁨%2⁩ من المربعات. ادخل مربعات الأعداء الملونين لتقاتلهم، وأنفق النقاط التي تجلبها لك انتصاراتك لتزداد قوة، وابقَ على قيد الحياة.</translation>
    </message>
    <message>
        <source>Each kill adds a level to the skill bar of the enemy&apos;s colour; skill levels play no part in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 and gives you points, more for the stronger colours:</source>
        <extracomment>%1 is the number of levels of a skill bar. A list of the seven colours follows.</extracomment>
        <translation>كل عدو تقضي عليه يضيف مستوى إلى شريط المهارة بلونه؛ ولا أثر لمستويات المهارة في المعركة. للشريط ⁨%1⁩ مستوى: حين يمتلئ، يعيده القضاء التالي إلى المستوى 1 ويمنحك نقاطًا، أكثر للألوان الأقوى:</translation>
    </message>
    <message>
        <source>%1 on the map switches the colour symbols on and off, and the game keeps the choice for the next start.</source>
        <extracomment>%1 is the name of the key, such as F2.</extracomment>
        <translation>المفتاح ⁨%1⁩ على الخريطة يُظهر رموز الألوان أو يخفيها، وتحفظ اللعبة اختيارك للتشغيل التالي.</translation>
    </message>
    <message>
        <source>The arrow keys move you one square at a time. The bottom row of the map is the healing row: no enemy ever goes there. Each time the bar under the map fills, about every %1 seconds, standing in the healing row gives you back a tenth of your maximum Health and of your maximum Magic, rounded down, so nothing while a maximum is below %2.</source>
        <extracomment>%1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest maximum of which a tenth, rounded down, is 1 or more.</extracomment>
        <translation>تحرّكك مفاتيح الأسهم مربعًا واحدًا في كل مرة. الصف السفلي من الخريطة هو صف الشفاء: لا يدخله أي عدو أبدًا. وفي كل مرة يمتلئ فيها الشريط أسفل الخريطة، أي كل ⁨%1⁩ ثانية تقريبًا، يعيد إليك وقوفك في صف الشفاء عُشر الحد الأقصى لصحتك وعُشر الحد الأقصى لسحرك، مقرّبًا إلى الأدنى، فلا يعيد شيئًا ما دام الحد الأقصى أقل من ⁨%2⁩.</translation>
    </message>
    <message>
        <source>The bar stands still during a battle and while this help is open.</source>
        <translation>يتوقف الشريط أثناء المعركة وما دامت هذه المساعدة مفتوحة.</translation>
    </message>
    <message>
        <source>When the file is damaged (lines missing, points that are not a number, or skill levels that are not numbers, negative or too large), the game says what is wrong with an error code and ends, and leaves the file exactly as it was, so that you can mend it or move it away.</source>
        <translation>حين يكون الملف تالفًا (أسطر ناقصة، أو نقاط ليست عددًا، أو مستويات مهارة ليست أعدادًا أو سالبة أو كبيرة جدًا)، تخبرك اللعبة بالخطأ ورمزه ثم تنتهي، وتترك الملف كما كان تمامًا لتصلحه أو تنقله.</translation>
    </message>
    <message>
        <source>Some colours of the enemies look alike to many eyes. The colour symbols mark every enemy and every skill bar with dots, more for the stronger colours: red one, orange two, yellow three, green four, blue five, indigo six and violet seven. You become a white square in a black frame, with a red cross while you stand in the healing row.</source>
        <translation>تبدو بعض ألوان الأعداء متشابهة لعيون كثيرة. تضع رموز الألوان على كل عدو وكل شريط مهارة نقاطًا، أكثر للألوان الأقوى: الأحمر نقطة، والبرتقالي نقطتين، والأصفر ثلاثًا، والأخضر أربعًا، والأزرق خمسًا، والنيلي ستًّا، والبنفسجي سبعًا. وتصبح أنت مربعًا أبيض بإطار أسود، عليه علامة زائد حمراء ما دمت في صف الشفاء.</translation>
    </message>
    <message>
        <source>Pictures of your own in the Graphics folder take the place of the symbols, picture by picture.</source>
        <translation>صورك الخاصة في المجلد ⁨Graphics⁩ تحل محل الرموز، صورة بصورة.</translation>
    </message>
    <message>
        <source>There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, and red lowest; orange and red both reach the row just above the healing row.</source>
        <extracomment>%1 is the number of enemies, %2 how many there are of each colour.</extracomment>
        <translation>في الخريطة ⁨%1⁩ عدوًا، ⁨%2⁩ من كل لون. يلزم كل لون نطاقه من الصفوف، والنطاقات متداخلة: البنفسجي قرب أعلى الخريطة، ثم النيلي والأزرق والأخضر والأصفر والبرتقالي، والأحمر في الأسفل؛ ويبلغ البرتقالي والأحمر كلاهما الصف الذي فوق صف الشفاء مباشرة.</translation>
    </message>
    <message>
        <source>Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, each enemy may take one step, and a defeated enemy comes back one time in three.</source>
        <translation>الأعداء البنفسجيون هم الأقوى، والحمر هم الأضعف. في كل مرة يمتلئ فيها الشريط أسفل الخريطة، قد يخطو كل عدو خطوة واحدة، ويعود العدو المهزوم مرة من كل ثلاث.</translation>
    </message>
    <message>
        <source>Shows the colour symbols on the map, and keeps them on.</source>
        <extracomment>The description of the --colour-symbols option in the program&apos;s --help.</extracomment>
        <translation>يُظهر رموز الألوان على الخريطة ويبقيها ظاهرة.</translation>
    </message>
    <message>
        <source>With a game controller</source>
        <translation>مع يد تحكم الألعاب</translation>
    </message>
    <message>
        <source>A game controller plays the whole game, plugged in before the game starts or while it runs; the keys go on working beside it.</source>
        <translation>تتيح لك يد التحكم لعب اللعبة كلها، سواء وصلتها قبل بدء اللعبة أو أثناءها؛ وتبقى المفاتيح تعمل إلى جانبها.</translation>
    </message>
    <message>
        <source>The buttons are named by their place, as on most controllers: A is the lower of the four buttons on the right, B the right one, X the left one and Y the upper one, whatever letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held key does. Any other button does nothing.</source>
        <translation>تُسمّى الأزرار بحسب موضعها كما في معظم أذرع التحكم: A هو السفلي من الأزرار الأربعة على اليمين، وB الأيمن، وX الأيسر، وY العلوي، أيًّا كانت الحروف أو الرموز الظاهرة على يد التحكم لديك. وعند الضغط المستمر تتكرر لوحة الاتجاهات والعصا كما يتكرر المفتاح المضغوط باستمرار. أما بقية الأزرار فلا تفعل شيئًا.</translation>
    </message>
    <message>
        <source>In the hall of the fallen</source>
        <translation>في قاعة الراحلين</translation>
    </message>
    <message>
        <source>The game keeps one character, in this file:</source>
        <extracomment>The file&apos;s full path follows on a line of its own.</extracomment>
        <translation>تحتفظ اللعبة بشخصية واحدة، في هذا الملف:</translation>
    </message>
    <message>
        <source>When asked to save and quit</source>
        <translation>عند السؤال عن الحفظ والخروج</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The heading of the help&apos;s part about the game&apos;s sounds.</extracomment>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>%1 on the title, on the map and in a battle silences the game and brings the sound back; the game keeps the choice for the next start, and %2 starts it silenced. Without a sound server the game is silent and says nothing of it.</source>
        <extracomment>%1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.</extracomment>
        <translation>المفتاح ⁨%1⁩ على شاشة العنوان وعلى الخريطة وفي المعركة يكتم صوت اللعبة ويعيده؛ وتحفظ اللعبة اختيارك للتشغيل التالي، والأمر ⁨%2⁩ يشغّلها صامتة. ومن دون خادم صوت تبقى اللعبة صامتة ولا تقول شيئًا عن ذلك.</translation>
    </message>
    <message>
        <source>Silences the game, and keeps it silent until sound is switched on again.</source>
        <extracomment>The description of the --no-sound option in the program&apos;s --help.</extracomment>
        <translation>يكتم صوت اللعبة ويبقيها صامتة حتى يُعاد تشغيل الصوت.</translation>
    </message>
    <message>
        <source>It is saved after every battle that changed it, after every point you spend and when you close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A battle still under way is not saved; a battle already won is kept.</source>
        <translation>تُحفظ بعد كل معركة غيّرتها، وبعد كل نقطة تنفقها، وعند إغلاقك الخريطة. ويحفظها أيضًا تسجيل الخروج أو إيقاف تشغيل الجهاز أو إيقاف اللعبة من الطرفية. لا تُحفظ معركة ما زالت جارية؛ أما معركة انتصرت فيها بالفعل فيُحتفظ بها.</translation>
    </message>
    <message>
        <source>The game marks what happens with short sounds: a step into the healing row and the healing there, an enemy that comes beside you or onto your square, the start of a battle, your hits and misses, a blast, a heal, the enemy&apos;s hits and misses, a win, a skill bar that starts again and gives points, a point spent, and a death.</source>
        <translation>تُعلِم اللعبة بما يحدث بأصوات قصيرة: خطوة إلى صف الشفاء والشفاء فيه، وعدو يأتي إلى جانبك أو إلى مربعك، وبدء المعركة، وضرباتك الصائبة والخائبة، والانفجار السحري، والشفاء، وضربات العدو الصائبة والخائبة، والفوز، وشريط مهارة يبدأ من جديد ويمنح نقاطًا، وإنفاق نقطة، والموت.</translation>
    </message>
    <message>
        <source>Each of them is also shown on the screen and told to a screen reader: nothing is told by sound alone.</source>
        <translation>كل واحد منها يظهر أيضًا على الشاشة ويُقال لقارئ الشاشة: لا شيء يُعرف بالصوت وحده.</translation>
    </message>
    <message>
        <source>After each step on the map the enemy cue points to the nearest enemy: it comes from the left or the right as the enemy stands left or right of you, further to the side the further away it is, and it sounds higher for an enemy above you and lower for one below, so that it can be followed with one ear too.</source>
        <translation>بعد كل خطوة على الخريطة تدلّ إشارة العدو على أقرب عدو: تأتي من اليسار أو اليمين كما يقف العدو عن يسارك أو يمينك، وتبتعد إلى الجانب كلما ابتعد، وتعلو نغمتها لعدو فوقك وتنخفض لعدو تحتك، كي يمكن تتبّعها بأذن واحدة أيضًا.</translation>
    </message>
    <message>
        <source>Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader runs; %1 on the map switches it on or off, and the game keeps the choice.</source>
        <extracomment>%1 is the name of the key, such as F5.</extracomment>
        <translation>طرقتان سريعتان تعنيان أن العدو بجانبك. تعمل الإشارة ما دام قارئ الشاشة يعمل؛ والمفتاح ⁨%1⁩ على الخريطة يشغّلها أو يوقفها، وتحفظ اللعبة اختيارك.</translation>
    </message>
    <message>
        <source>After each step on the map Orca also tells the way to the nearest enemy, such as &quot;Red enemy: 2 up, 1 left.&quot; An enemy that comes beside you or onto your square is told at once, once while you stand still; on your square, %1 fights it and an arrow key steps away. The enemy clock&apos;s bar under the map is not read out.</source>
        <extracomment>%1 is the space bar&apos;s name (Space).</extracomment>
        <translation>بعد كل خطوة على الخريطة يذكر Orca أيضًا الطريق إلى أقرب عدو، مثل «العدو الأحمر: ⁨2⁩ مربعان للأعلى، ⁨1⁩ مربع لليسار.». ويُعلَن فورًا عن أي عدو يصير بجانبك أو في مربعك، مرة واحدة ما دمت واقفًا؛ وإذا كان في مربعك فمفتاح ⁨%1⁩ يقاتله ومفتاح السهم يبتعد. أما الشريط أسفل الخريطة («الوقت حتى تحرك الأعداء») فلا يُقرأ.</translation>
    </message>
    <message>
        <source>To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, 4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After each step you are then told the way to the enemy you chose, until it is beaten. None of these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key that belongs to your desktop or your screen reader.</source>
        <extracomment>%1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).</extracomment>
        <translation>لتختار عدوًا بالسمع، يذكر ⁨%1⁩ العدو التالي الظاهر، الأقرب أولًا، مع لونه والطريق إليه، ويذكر ⁨%2⁩ الذي قبله. وتذكر مفاتيح الأرقام من ⁨%3⁩ إلى ⁨%4⁩ أقرب عدو من لون ما، بعدد نقاط رمز لونه: 1 أحمر، 2 برتقالي، 3 أصفر، 4 أخضر، 5 أزرق، 6 نيلي، 7 بنفسجي؛ وإذا ضُغطت مرة أخرى فالتالي من ذلك اللون. بعد ذلك تسمع بعد كل خطوة الطريق إلى العدو الذي اخترته، حتى تهزمه. لا يبدأ أي من هذه المفاتيح معركة، ولا Shift ولا Ctrl ولا Alt ولا Caps Lock ولا Insert ولا أي مفتاح آخر يخص سطح مكتبك أو قارئ شاشتك.</translation>
    </message>
    <message>
        <source>This help is read line by line with the arrow keys; on the name of a part in the list at its top, Return takes you to that part. A battle won tells your colour&apos;s new skill level; a death tells which enemy killed you, its strength and the battle&apos;s last lines, before the game ends. In the hall of the fallen (%1), Up and Down read one fallen character after another, Home and End go to the first and the last, and Return reads the whole record.</source>
        <extracomment>%1 is the key of the hall of the fallen (F3).</extracomment>
        <translation>تُقرأ هذه المساعدة سطرًا سطرًا بمفاتيح الأسهم؛ وعلى اسم جزء في القائمة أعلاها ينقلك مفتاح الإدخال إلى ذلك الجزء. تذكر المعركة التي تفوز بها مستوى المهارة الجديد للونك؛ ويذكر الموت العدو الذي قتلك وقوته وآخر سطور المعركة، قبل أن تنتهي اللعبة. وفي قاعة الراحلين (⁨%1⁩) يقرأ الأعلى والأسفل شخصية راحلة بعد أخرى، وينقلك Home وEnd إلى الأولى والأخيرة، ويقرأ مفتاح الإدخال السجل كاملًا.</translation>
    </message>
    <message>
        <source>Walking onto an enemy opens the battle window, and the enemies on the map stand still until it closes. Each battle draws the enemy&apos;s strength afresh from that enemy&apos;s own range, and its health is that strength: the three enemies of a colour look alike, but one is stronger than the next. The enemy answers each Attack, Blast and Heal with its turn, a Heal at full Health too. It does not strike back at a Retreat, at a Blast or Heal without Magic, or at anything after the kill.</source>
        <translation>دخولك مربع عدو يفتح نافذة المعركة، ويقف الأعداء على الخريطة بلا حراك حتى تُغلق. في كل معركة تُسحب قوة العدو من جديد من نطاق ذلك العدو نفسه، وصحته تساوي تلك القوة: الأعداء الثلاثة من اللون الواحد متشابهون في المظهر، لكن بعضهم أقوى من بعض. يرد العدو في دوره على كل هجوم وصاعقة وشفاء، حتى على الشفاء وصحتك كاملة. ولا يرد على الانسحاب، ولا على صاعقة أو شفاء من دون سحر، ولا على أي شيء بعد القضاء عليه.</translation>
    </message>
    <message>
        <source>The enemy&apos;s turn: you dodge with a roll from 0 to one less than your Dexterity, against its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for anything from 0 to one less than half its strength, an odd strength&apos;s half rounded up.</source>
        <translation>دور العدو: تتفادى ضربته برمية من 0 إلى قدر براعتك ناقصًا واحدًا، مقابل رميته من 1 إلى قدر قوته. إن كانت رميته مساوية لرميتك أو أعلى منها، أصابك بضرر من 0 إلى نصف قوته ناقصًا واحدًا، ويُقرَّب نصف القوة الفردية إلى الأعلى.</translation>
    </message>
    <message>
        <source>Retreat leaves the battle, and the enemy does not strike back, but it stays on your square and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is defeated, Retreat is also how you leave with the win: the enemy disappears for a while and its colour&apos;s skill bar grows.</source>
        <translation>الانسحاب يُخرجك من المعركة، ولا يرد العدو عليه، لكنه يبقى في مربعك ولا يحتفظ بشيء من جروحه: تبدأ المعركة التالية معه من جديد. وبعد هزيمة العدو، يكون الانسحاب أيضًا طريقك للخروج بالفوز: يختفي العدو مدةً ويزداد شريط المهارة بلونه.</translation>
    </message>
    <message>
        <source>These odds are for a new character at full Health and Magic that neither heals nor retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack alone, but the strongest red one (strength %3) only %4% of the time by Attack alone and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even with Blast first, and the stronger colours at most %8% of the time.</source>
        <extracomment>%1, %3 and %6 are enemies&apos; strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.</extracomment>
        <translation>هذه النسب لشخصية جديدة بصحة وسحر كاملين لا تشفي نفسها ولا تنسحب. فهي تهزم أضعف عدو أحمر (القوة ⁨%1⁩) في ⁨%2%⁩ من المرات بالهجوم وحده، لكنها لا تهزم أقوى عدو أحمر (القوة ⁨%3⁩) إلا في ⁨%4%⁩ من المرات بالهجوم وحده، وفي ⁨%5%⁩ إذا بدأت بالصاعقة، وتهزم أضعف عدو برتقالي (القوة ⁨%6⁩) في ⁨%7%⁩ من المرات حتى إذا بدأت بالصاعقة، ولا تهزم الألوان الأقوى إلا في ⁨%8%⁩ من المرات على الأكثر.</translation>
    </message>
    <message>
        <source>Blast first: it never misses, while most Attacks against a stronger enemy do, and the enemy answers both the same way. When a battle goes badly, or its first lines show a strong enemy, retreat, which it does not strike back at, and step off its square at once with an arrow key. Between battles, wait in the healing row until your Health and Magic are full again.</source>
        <translation>ابدأ بالصاعقة: فهي لا تخطئ أبدًا، بينما تخطئ معظم الهجمات على عدو أقوى، والعدو يرد على كلتيهما بالطريقة نفسها. وحين تسوء المعركة، أو تكشف أسطرها الأولى عن عدو قوي، انسحب، فالعدو لا يرد على الانسحاب، ثم اخرج من مربعه فورًا بمفتاح سهم. وبين المعارك، انتظر في صف الشفاء حتى تمتلئ صحتك وسحرك من جديد.</translation>
    </message>
    <message>
        <source>If the archive cannot be made, the game says where the file still is, and the next start plays the dead character again: with Health below 1, the first hit it takes ends it, even a hit of 0, unless it heals first, in the healing row (which may take several fills of the bar) or with Heal in a battle. The hall of the fallen has no record of that death.</source>
        <translation>إذا تعذّر إنشاء الأرشيف، تخبرك اللعبة بالمكان الذي ما زال فيه الملف، ويعيد التشغيل التالي الشخصية الميتة إلى اللعب: وما دامت صحتها دون 1، فإن أول ضربة تتلقاها تنهيها، حتى لو كانت ضربة قدرها 0، ما لم تُشفَ أولًا، في صف الشفاء (وقد يتطلب ذلك امتلاء الشريط عدة مرات) أو بالشفاء في المعركة. ولا تحتفظ قاعة الراحلين بأي سجل لتلك الميتة.</translation>
    </message>
    <message>
        <source>A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the game, but battles and the &quot;+&quot; buttons refuse it until you mend the file. Every save writes a whole new file before it replaces the old one, so a crash never leaves half a character; in a folder that refuses new files, the file is rewritten in place in one write instead.</source>
        <translation>إذا لم تكن القوة أو البراعة أو الحكمة أو الصحة أو السحر عددًا فلا يوقف ذلك اللعبة، لكن المعارك وأزرار «+» ترفض تلك القيمة حتى تصلح الملف. وكل حفظ يكتب ملفًا جديدًا كاملًا قبل أن يستبدل به القديم، فلا يترك الانهيار نصف شخصية أبدًا؛ وفي مجلد يرفض الملفات الجديدة، تُعاد كتابة الملف في مكانه دفعةً واحدة بدلًا من ذلك.</translation>
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
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>PictureBoxAccessible</name>
    <message>
        <source>level %1 of %2</source>
        <extracomment>A skill bar&apos;s level, e.g. &quot;level 3 of 18&quot;.</extracomment>
        <translation>المستوى %1 من %2</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 بالمئة</translation>
    </message>
    <message>
        <source>Column %1, row %2, healing row</source>
        <extracomment>The player&apos;s square on the map; the bottom row is the healing row.</extracomment>
        <translation>العمود %1، الصف %2، صف الشفاء</translation>
    </message>
    <message>
        <source>Column %1, row %2</source>
        <translation>العمود %1، الصف %2</translation>
    </message>
    <message>
        <source>No one else in sight.</source>
        <translation>لا أحد غيرك في الأفق.</translation>
    </message>
    <message numerus="yes">
        <source>%n up</source>
        <extracomment>Squares between the player and the nearest enemy, e.g. &quot;3 up&quot;.</extracomment>
        <translation>
            <numerusform>%n مربع للأعلى</numerusform>
            <numerusform>%n مربع للأعلى</numerusform>
            <numerusform>%n مربعان للأعلى</numerusform>
            <numerusform>%n مربعات للأعلى</numerusform>
            <numerusform>%n مربعًا للأعلى</numerusform>
            <numerusform>%n مربع للأعلى</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n down</source>
        <translation>
            <numerusform>%n مربع للأسفل</numerusform>
            <numerusform>%n مربع للأسفل</numerusform>
            <numerusform>%n مربعان للأسفل</numerusform>
            <numerusform>%n مربعات للأسفل</numerusform>
            <numerusform>%n مربعًا للأسفل</numerusform>
            <numerusform>%n مربع للأسفل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left</source>
        <translation>
            <numerusform>%n مربع لليسار</numerusform>
            <numerusform>%n مربع لليسار</numerusform>
            <numerusform>%n مربعان لليسار</numerusform>
            <numerusform>%n مربعات لليسار</numerusform>
            <numerusform>%n مربعًا لليسار</numerusform>
            <numerusform>%n مربع لليسار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n مربع لليمين</numerusform>
            <numerusform>%n مربع لليمين</numerusform>
            <numerusform>%n مربعان لليمين</numerusform>
            <numerusform>%n مربعات لليمين</numerusform>
            <numerusform>%n مربعًا لليمين</numerusform>
            <numerusform>%n مربع لليمين</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. &quot;World map: Column 1, row 22&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 beside you: %2.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands next to the player, the way %2 (&quot;1 up&quot;).</extracomment>
        <translation>%1 بجانبك: %2.</translation>
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
        <translation>%1 في مربعك: المسافة تقاتله، ومفتاح السهم يبتعد.</translation>
    </message>
    <message>
        <source>%1 on your square.</source>
        <extracomment>An enemy (%1, e.g. &quot;Green enemy&quot;) stands on the player&apos;s square, told after the player&apos;s step.</extracomment>
        <translation>%1 في مربعك.</translation>
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
        <translation>ترويسة الصورة النقطية غير صالحة، أو صفوف بكسلاتها تنتهي قبل أوانها</translation>
    </message>
    <message>
        <source>not a picture in any known format</source>
        <translation>ليست صورة بأي تنسيق معروف</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>is a folder</source>
        <translation>هذا مجلد</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>أكبر من ⁨%1⁩ بايت</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>غير قابل للكتابة</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The detail of a file error: %1 is a file&apos;s path (left to right, e.g. &quot;/home/ann/.local/share/chromaland/Character.chx&quot;), %2 the reason, e.g. &quot;is a folder&quot;.</extracomment>
        <translation>⁨%1⁩: ⁨%2⁩</translation>
    </message>
</context>
<context>
    <name>frmBattleControl</name>
    <message>
        <source>Battle Control</source>
        <translation>المعركة</translation>
    </message>
    <message>
        <source>&amp;Attack</source>
        <translation>هجوم (&amp;A)</translation>
    </message>
    <message>
        <source>Attack the enemy</source>
        <translation>اهجم على العدو</translation>
    </message>
    <message>
        <source>&amp;Blast</source>
        <translation>صاعقة (&amp;B)</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>استخدم السحر لضرب العدو بصاعقة</translation>
    </message>
    <message>
        <source>&amp;Heal</source>
        <translation>شفاء (&amp;H)</translation>
    </message>
    <message>
        <source>Use Magic to heal</source>
        <translation>استخدم السحر للشفاء</translation>
    </message>
    <message>
        <source>&amp;Retreat</source>
        <translation>انسحاب (&amp;R)</translation>
    </message>
    <message>
        <source>Flee the battle</source>
        <translation>اهرب من المعركة</translation>
    </message>
    <message>
        <source>Chromara Warrior</source>
        <translation>محارب كرومارا</translation>
    </message>
    <message>
        <source>Your strength</source>
        <translation>قوتك</translation>
    </message>
    <message>
        <source>Your Strength, as a share of the two strengths together.</source>
        <translation>قوتك، نسبةً إلى مجموع القوتين.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>قوة العدو</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>قوة العدو، نسبةً إلى مجموع القوتين.</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>العدو</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>إحصاءات اللاعب</translation>
    </message>
    <message>
        <source>Enemy Health</source>
        <translation>صحة العدو</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>الصحة:</translation>
    </message>
    <message>
        <source>Your health</source>
        <translation>صحتك</translation>
    </message>
    <message>
        <source>Enemy health</source>
        <translation>صحة العدو</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>السحر:</translation>
    </message>
    <message>
        <source>Your magic</source>
        <translation>سحرك</translation>
    </message>
    <message>
        <source>Battle status</source>
        <translation>سير المعركة</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>التعليمات:</translation>
    </message>
    <message>
        <source>The enemy&apos;s health (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام صحة العدو (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام سحرك (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>التعليمات: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>صاعقة: تصيب العدو تلقائيًا بصاعقة سحرية تلحق به ضررًا يصل إلى قدر حكمتك.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>شفاء: استخدم سحرك لشفاء أي جروح. أقصى قدرة لك على الشفاء محدودة بحكمتك.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>لا يوجد عدو «⁨%1⁩» لقتاله، لذا لا يمكن أن تقع هذه المعركة.</translation>
    </message>
    <message>
        <source>You miss by -%1</source>
        <extracomment>%1 is how far the player&apos;s roll fell short, a number of 0 or more.</extracomment>
        <translation>أخطأت الهدف بفارق ‎-%1‎</translation>
    </message>
    <message numerus="yes">
        <source>You hit by +%1 and inflict %n damage.</source>
        <extracomment>%1 is how far the player&apos;s roll beat the enemy&apos;s; %n the damage done.</extracomment>
        <translation>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره ⁨%n⁩.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>ضربت العدو بصاعقة سحرية مقابل ⁨%n⁩ نقطة سحر.</numerusform>
            <numerusform>ضربت العدو بصاعقة سحرية مقابل ⁨%n⁩ نقطة سحر.</numerusform>
            <numerusform>ضربت العدو بصاعقة سحرية مقابل ⁨%n⁩ نقطتَي سحر.</numerusform>
            <numerusform>ضربت العدو بصاعقة سحرية مقابل ⁨%n⁩ نقاط سحر.</numerusform>
            <numerusform>ضربت العدو بصاعقة سحرية مقابل ⁨%n⁩ نقطة سحر.</numerusform>
            <numerusform>ضربت العدو بصاعقة سحرية مقابل ⁨%n⁩ نقطة سحر.</numerusform>
        </translation>
    </message>
    <message>
        <source>You don&apos;t need healing !</source>
        <translation>لست بحاجة إلى الشفاء!</translation>
    </message>
    <message numerus="yes">
        <source>You heal for %n magic points.</source>
        <extracomment>%n is both the health restored and the magic spent.</extracomment>
        <translation>
            <numerusform>شفيت نفسك مقابل ⁨%n⁩ نقطة سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل ⁨%n⁩ نقطة سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل ⁨%n⁩ نقطتَي سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل ⁨%n⁩ نقاط سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل ⁨%n⁩ نقطة سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل ⁨%n⁩ نقطة سحر.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enemy missed by -%1</source>
        <extracomment>%1 is how far the enemy&apos;s roll fell short, a number above 0.</extracomment>
        <translation>أخطأك العدو بفارق ‎-%1‎</translation>
    </message>
    <message numerus="yes">
        <source>Enemy hits you by +%1 and it inflicts %n damage.</source>
        <extracomment>%1 is how far the enemy&apos;s roll beat the player&apos;s dodge; %n the damage done.</extracomment>
        <translation>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره ⁨%n⁩.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره ⁨%n⁩.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have died.</source>
        <translation>لقد متّ.</translation>
    </message>
    <message>
        <source>That move could not be carried out: nothing happened.</source>
        <translation>تعذّر تنفيذ هذه الحركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Dexterity (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام براعتك (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام قوتك (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام حكمتك (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام صحتك (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>⁨%1⁩ من ⁨%2⁩</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام الحد الأقصى لصحتك (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام قوة العدو (⁨%1⁩) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>لم يبقَ لديك أي سحر.</translation>
    </message>
    <message>
        <source>%1, strength %2, has killed you. The battle&apos;s last lines: %3</source>
        <extracomment>Told by a screen reader just before &quot;You have died.&quot;: %1 is the enemy (&quot;Red enemy&quot;), %2 its strength, %3 the battle&apos;s last lines.</extracomment>
        <translation>قتلك %1، القوة ⁨%2⁩. آخر سطور المعركة: %3</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your square: step away from it, and mend the file.</source>
        <translation>قوتك (⁨%1⁩) ليست عددًا يساوي 0 أو أكثر، لذا لا يمكن أن تقع هذه المعركة. يبقى العدو في مربعك: ابتعد عنه، وأصلح الملف.</translation>
    </message>
</context>
<context>
    <name>frmMainGameWindow</name>
    <message>
        <source>Character</source>
        <translation>الشخصية</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>القوة:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>القوة</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>البراعة:</translation>
    </message>
    <message>
        <source>Dexterity</source>
        <translation>البراعة</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>الحكمة:</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>الحكمة</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>الصحة:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>الصحة</translation>
    </message>
    <message>
        <source>Health maximum</source>
        <translation>الحد الأقصى للصحة</translation>
    </message>
    <message>
        <source>Magic:</source>
        <translation>السحر:</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>السحر</translation>
    </message>
    <message>
        <source>Magic maximum</source>
        <translation>الحد الأقصى للسحر</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>النقاط:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>Spend a point on Strength</source>
        <translation>أنفق نقطة على القوة</translation>
    </message>
    <message>
        <source>Spend a point on Dexterity</source>
        <translation>أنفق نقطة على البراعة</translation>
    </message>
    <message>
        <source>Spend a point on Wisdom</source>
        <translation>أنفق نقطة على الحكمة</translation>
    </message>
    <message>
        <source>Spend a point on Health</source>
        <translation>أنفق نقطة على الصحة</translation>
    </message>
    <message>
        <source>Spend a point on Magic</source>
        <translation>أنفق نقطة على السحر</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>خريطة العالم</translation>
    </message>
    <message>
        <source>The arrow keys move you one square; the bottom row heals you and no enemy goes there.</source>
        <translation>تحرّكك مفاتيح الأسهم مربعًا واحدًا؛ الصف السفلي هو صف الشفاء: يشفيك ولا يدخله أي عدو.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>أنت</translation>
    </message>
    <message>
        <source>Violet enemy</source>
        <translation>العدو البنفسجي</translation>
    </message>
    <message>
        <source>Indigo enemy</source>
        <translation>العدو النيلي</translation>
    </message>
    <message>
        <source>Blue enemy</source>
        <translation>العدو الأزرق</translation>
    </message>
    <message>
        <source>Green enemy</source>
        <translation>العدو الأخضر</translation>
    </message>
    <message>
        <source>Yellow enemy</source>
        <translation>العدو الأصفر</translation>
    </message>
    <message>
        <source>Orange enemy</source>
        <translation>العدو البرتقالي</translation>
    </message>
    <message>
        <source>Red enemy</source>
        <translation>العدو الأحمر</translation>
    </message>
    <message>
        <source>Chromara Skills</source>
        <translation>مهارات كرومارا</translation>
    </message>
    <message>
        <source>Violet skill</source>
        <translation>المهارة البنفسجية</translation>
    </message>
    <message>
        <source>Skill level; each violet enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو بنفسجي تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Indigo skill</source>
        <translation>المهارة النيلية</translation>
    </message>
    <message>
        <source>Skill level; each indigo enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو نيلي تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Blue skill</source>
        <translation>المهارة الزرقاء</translation>
    </message>
    <message>
        <source>Skill level; each blue enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو أزرق تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Green skill</source>
        <translation>المهارة الخضراء</translation>
    </message>
    <message>
        <source>Skill level; each green enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو أخضر تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Yellow skill</source>
        <translation>المهارة الصفراء</translation>
    </message>
    <message>
        <source>Skill level; each yellow enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو أصفر تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Orange skill</source>
        <translation>المهارة البرتقالية</translation>
    </message>
    <message>
        <source>Skill level; each orange enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو برتقالي تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Red skill</source>
        <translation>المهارة الحمراء</translation>
    </message>
    <message>
        <source>Skill level; each red enemy defeated adds one.</source>
        <translation>مستوى المهارة؛ كل عدو أحمر تهزمه يزيده واحدًا.</translation>
    </message>
    <message>
        <source>Time to enemy moves:</source>
        <translation>الوقت حتى تحرك الأعداء:</translation>
    </message>
    <message>
        <source>Time to enemy moves</source>
        <translation>الوقت حتى تحرك الأعداء</translation>
    </message>
    <message>
        <source>The enemies move when the bar is full.</source>
        <translation>يتحرك الأعداء عندما يمتلئ الشريط.</translation>
    </message>
    <message>
        <source>Time before enemy moves</source>
        <translation>الوقت المتبقي قبل تحرك الأعداء</translation>
    </message>
    <message>
        <source>Colour symbols on</source>
        <extracomment>Told by a screen reader when F2 puts the colour symbols (the dots that tell the enemies&apos; colours apart) on the map.</extracomment>
        <translation>رموز الألوان مفعّلة</translation>
    </message>
    <message>
        <source>Colour symbols off</source>
        <extracomment>Told by a screen reader when F2 takes the colour symbols off the map again.</extracomment>
        <translation>رموز الألوان معطّلة</translation>
    </message>
    <message>
        <source>No points to spend: you are still on the map, %1.</source>
        <extracomment>Told by a screen reader when Tab finds nothing else to go to; %1 is the player&apos;s square (&quot;Column 1, row 22&quot;).</extracomment>
        <translation>لا نقاط لتنفقها: ما زلت على الخريطة، %1.</translation>
    </message>
    <message>
        <source>Save and quit?</source>
        <extracomment>Asked when the player presses Ctrl+Q on the map (Start on a game controller).</extracomment>
        <translation>هل تريد الحفظ والخروج؟</translation>
    </message>
    <message>
        <source>Save and quit</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that saves the character and ends the game.</extracomment>
        <translation>احفظ واخرج</translation>
    </message>
    <message>
        <source>Play on</source>
        <extracomment>The answer to &quot;Save and quit?&quot; that goes back to the game.</extracomment>
        <translation>تابع اللعب</translation>
    </message>
    <message>
        <source>%1: none in sight.</source>
        <extracomment>Told when the player asks for an enemy of a colour that is nowhere on the map; %1 is e.g. &quot;Red enemy&quot;.</extracomment>
        <translation>%1: لا أحد في الأفق.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Instructions:</source>
        <translation>التعليمات:</translation>
    </message>
    <message>
        <source>Press a key to play</source>
        <extracomment>The title&apos;s bottom line, which takes turns with the credit line.</extracomment>
        <translation>اضغط أي مفتاح للعب</translation>
    </message>
    <message>
        <source>Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the healing area, this is a safe zone where the bad guys cannot reach you.</source>
        <translation>التعليمات: أنت المربع الأبيض. تحرّك بمفاتيح الأسهم. في أسفل الخريطة صف الشفاء، وهو منطقة آمنة لا يصل إليك فيها الأشرار.</translation>
    </message>
    <message>
        <source>Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is full you gain extra points to increase your abilities. </source>
        <extracomment>The trailing space is part of the paragraph.</extracomment>
        <translation>ادخل مربع عدو ملوّن لتهاجمه. تكسب مهارات كرومارا مع كل عدو تقضي عليه. وحين يمتلئ شريط لون تنال نقاطًا إضافية لتعزيز قدراتك. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>صاعقة: تضرب العدو بصاعقة سحرية تلقائيًا، ملحقًا به ضررًا يصل إلى قدر حكمتك.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>شفاء: استخدم نقاط سحرك لشفاء أي جروح. أقصى قدرة لك على الشفاء محدودة بحكمتك.</translation>
    </message>
    <message>
        <source>Chromaland. Press a key to play.</source>
        <extracomment>What a screen reader says first of the title window, before its instructions.</extracomment>
        <translation>Chromaland. اضغط أي مفتاح للعب.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>السطر ⁨%1⁩ من ملف الشخصية أقصر من مفتاحه</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>السطر ⁨%1⁩ من ملف الشخصية يحتوي على «⁨%2⁩»</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>ملف الشخصية لا يحتوي إلا على ⁨%1⁩ من أسطره الـ15</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>مستوى المهارة في السطر ⁨%1⁩ من ملف الشخصية</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>مستوى مهارة سالب في السطر ⁨%1⁩ من ملف الشخصية</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>تعذّر العثور على ملف الشخصية - ستُنشأ شخصية جديدة</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>تعذّر حفظ الشخصية في ⁨%1⁩.

⁨%2⁩</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>تعذّرت أرشفة الشخصية الميتة باسم ⁨%1⁩ في ⁨%2⁩ (⁨%3⁩).

لا يزال ملف الشخصية في ⁨%4⁩.</translation>
    </message>
    <message>
        <source>You won. %1.</source>
        <extracomment>Told by a screen reader when a battle is won; %1 is the colour&apos;s skill as the panel shows it now, e.g. &quot;Red skill: level 3 of 18&quot;.</extracomment>
        <translation>لقد فزت. %1.</translation>
    </message>
    <message numerus="yes">
        <source>You won. %1 again: the full bar gave you %n points. %2.</source>
        <extracomment>Told when a won battle fills a skill bar: %1 is the skill (&quot;Red skill: level 1 of 18&quot;), %n the points it gave, %2 the points there are now (&quot;Points: 4&quot;).</extracomment>
        <translation>
            <numerusform>لقد فزت. %1 من جديد: أعطاك الشريط الممتلئ %n نقطة. %2.</numerusform>
            <numerusform>لقد فزت. %1 من جديد: أعطاك الشريط الممتلئ %n نقطة. %2.</numerusform>
            <numerusform>لقد فزت. %1 من جديد: أعطاك الشريط الممتلئ %n نقطتين. %2.</numerusform>
            <numerusform>لقد فزت. %1 من جديد: أعطاك الشريط الممتلئ %n نقاط. %2.</numerusform>
            <numerusform>لقد فزت. %1 من جديد: أعطاك الشريط الممتلئ %n نقطة. %2.</numerusform>
            <numerusform>لقد فزت. %1 من جديد: أعطاك الشريط الممتلئ %n نقطة. %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
