<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>CaptionNumber</name>
    <message>
        <source>&quot;%1&quot; is too large</source>
        <translation>القيمة «%1» كبيرة جدًا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>القيمة «%1» ليست عددًا</translation>
    </message>
    <message>
        <source>%1 does not fit in 16 bits</source>
        <translation>القيمة %1 لا تتسع في 16 بت</translation>
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
        <translation>خطأ: %1 : %2</translation>
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
        <source>here</source>
        <extracomment>The nearest enemy stands on the player&apos;s own square.</extracomment>
        <translation>هنا</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the steps of a way, as in &quot;3 up, 2 left&quot;.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>Nearest: %1, %2.</source>
        <extracomment>%1 is the enemy&apos;s name (&quot;Red enemy&quot;), %2 its way (&quot;3 up, 2 left&quot;).</extracomment>
        <translation>الأقرب: %1، %2.</translation>
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
        <translation>ترويسة الصورة النقطية غير ممكنة أو أن صفوف بكسلاتها تنتهي قبل أوانها</translation>
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
        <translation>أكبر من %1 بايت</translation>
    </message>
    <message>
        <source>is not writable</source>
        <translation>غير قابل للكتابة</translation>
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
        <translation>تفجير (&amp;B)</translation>
    </message>
    <message>
        <source>Use Magic to blast the enemy</source>
        <translation>استخدم السحر لتفجير العدو</translation>
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
        <translation>قوتك، كنسبة من مجموع القوتين معًا.</translation>
    </message>
    <message>
        <source>Enemy strength</source>
        <translation>قوة العدو</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength, as a share of the two strengths together.</source>
        <translation>قوة العدو، كنسبة من مجموع القوتين معًا.</translation>
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
        <translation>لا يمكن استخدام صحة العدو (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Magic (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام سحرك (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS: </source>
        <extracomment>The heading of the battle&apos;s instructions; the trailing space is part of it.</extracomment>
        <translation>التعليمات: </translation>
    </message>
    <message>
        <source>BLAST: Automatically hit the enemy with a blast of magic, inflicting up to your Wisdom in damage.</source>
        <translation>تفجير: تصيب العدو تلقائيًا بتفجير سحري يلحق به ضررًا يصل إلى قدر حكمتك.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>شفاء: استخدم سحرك لشفاء أي جروح. أقصى قدرة لك على الشفاء محدودة بحكمتك.</translation>
    </message>
    <message>
        <source>There is no enemy &quot;%1&quot; to fight, so this battle cannot take place.</source>
        <translation>لا يوجد عدو «%1» لقتاله، لذا لا يمكن أن تقع هذه المعركة.</translation>
    </message>
    <message>
        <source>Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. You back away from the enemy.</source>
        <translation>قوتك (%1) ليست عددًا يساوي 0 أو أكثر، لذا لا يمكن أن تقع هذه المعركة. تتراجع مبتعدًا عن العدو.</translation>
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
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره %n.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره %n.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره %n.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره %n.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره %n.</numerusform>
            <numerusform>أصبت العدو بفارق ‎+%1‎ وألحقت به ضررًا قدره %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You magically blast for %n magic points.</source>
        <extracomment>%n is both the damage done and the magic spent.</extracomment>
        <translation>
            <numerusform>فجّرت العدو بالسحر مقابل %n نقطة سحر.</numerusform>
            <numerusform>فجّرت العدو بالسحر مقابل %n نقطة سحر.</numerusform>
            <numerusform>فجّرت العدو بالسحر مقابل %n نقطتَي سحر.</numerusform>
            <numerusform>فجّرت العدو بالسحر مقابل %n نقاط سحر.</numerusform>
            <numerusform>فجّرت العدو بالسحر مقابل %n نقطة سحر.</numerusform>
            <numerusform>فجّرت العدو بالسحر مقابل %n نقطة سحر.</numerusform>
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
            <numerusform>شفيت نفسك مقابل %n نقطة سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل %n نقطة سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل %n نقطتَي سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل %n نقاط سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل %n نقطة سحر.</numerusform>
            <numerusform>شفيت نفسك مقابل %n نقطة سحر.</numerusform>
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
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره %n.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره %n.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره %n.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره %n.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره %n.</numerusform>
            <numerusform>أصابك العدو بفارق ‎+%1‎ وألحق بك ضررًا قدره %n.</numerusform>
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
        <translation>لا يمكن استخدام براعتك (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام قوتك (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Wisdom (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام حكمتك (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>Your Health (%1) cannot be used in battle: nothing happened.</source>
        <extracomment>%1 is &quot;health of maximum health&quot;, both as their captions hold them.</extracomment>
        <translation>لا يمكن استخدام صحتك (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Your maximum Health (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام الحد الأقصى لصحتك (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>The enemy&apos;s strength (%1) cannot be used in battle: nothing happened.</source>
        <translation>لا يمكن استخدام قوة العدو (%1) في المعركة: لم يحدث شيء.</translation>
    </message>
    <message>
        <source>You have no magic available.</source>
        <translation>لم يبقَ لديك أي سحر.</translation>
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
        <translation>ادخل في لون عدو لتهاجمه. تكسب مهارات كرومارا مع كل عدو تقضي عليه. وحين يمتلئ شريط لون تنال نقاطًا إضافية لتعزيز قدراتك. </translation>
    </message>
    <message>
        <source>BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage.</source>
        <translation>تفجير: تفجّر العدو بالسحر تلقائيًا، ملحقًا به ضررًا يصل إلى قدر حكمتك.</translation>
    </message>
    <message>
        <source>HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom.</source>
        <translation>شفاء: استخدم نقاط سحرك لشفاء أي جروح. أقصى قدرة لك على الشفاء محدودة بحكمتك.</translation>
    </message>
    <message>
        <source>Press a key to play.</source>
        <translation>اضغط أي مفتاح للعب.</translation>
    </message>
</context>
<context>
    <name>modGameLogicCode</name>
    <message>
        <source>line %1 of the character file is shorter than its key</source>
        <translation>السطر %1 من ملف الشخصية أقصر من مفتاحه</translation>
    </message>
    <message>
        <source>line %1 of the character file holds &quot;%2&quot;</source>
        <translation>السطر %1 من ملف الشخصية يحتوي على «%2»</translation>
    </message>
    <message>
        <source>the character file has %1 of its 15 lines</source>
        <translation>ملف الشخصية لا يحتوي إلا على %1 من أسطره الـ15</translation>
    </message>
    <message>
        <source>skill level on line %1 of the character file</source>
        <translation>مستوى المهارة في السطر %1 من ملف الشخصية</translation>
    </message>
    <message>
        <source>negative skill level on line %1 of the character file</source>
        <translation>مستوى مهارة سالب في السطر %1 من ملف الشخصية</translation>
    </message>
    <message>
        <source>Character file could not be found - a new character will be created</source>
        <translation>تعذّر العثور على ملف الشخصية - ستُنشأ شخصية جديدة</translation>
    </message>
    <message>
        <source>The character could not be saved to %1.

%2</source>
        <translation>تعذّر حفظ الشخصية في %1.

%2</translation>
    </message>
    <message>
        <source>The dead character could not be archived as %1 in %2 (%3).

The character file is still at %4.</source>
        <translation>تعذّرت أرشفة الشخصية الميتة باسم %1 في %2 (%3).

لا يزال ملف الشخصية في %4.</translation>
    </message>
</context>
</TS>
