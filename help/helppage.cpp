#include "help/helppage.h"

#include "map/enemyclock.h"
#include "battle/battleodds.h"
#include "battle/battlerules.h"
#include "keys/gamekeys.h"
#include "logic/gamerules.h"
#include "logic/modgamelogiccode.h"
#include "system/language.h"
#include "system/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// Rich text of one paragraph, heading or table cell: the player's text is
// never read as markup.
QString paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString heading(const QString &anchor, const QString &text)
{
    return QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>").arg(anchor, text.toHtmlEscaped());
}

QString number(double value)
{
    return Language::numbers().toString(value);
}

// A chance as a whole percentage, written as the language writes numbers.
QString percent(double chance)
{
    return Language::numbers().toString(qRound(chance * 100));
}

QString folder(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// The weakest and the strongest an enemy of that colour can be.
std::pair<int, int> strengthRange(int colour)
{
    using namespace GameRules;
    const int strongest = colour * EnemiesPerColour;
    const int weakest = strongest + EnemiesPerColour - 1;
    const float highestDraw = std::nextafter(1.0f, 0.0f);
    return {*BattleRules::enemyStrength(weakest, 0.0f), *BattleRules::enemyStrength(strongest, highestDraw)};
}

// The smallest maximum of which the healing row gives back anything.
int smallestHealingMaximum()
{
    int maximum = 1;
    while (EnemyClock::healed(0, maximum).value_or(0) <= 0)
        ++maximum;
    return maximum;
}

} // namespace

QString HelpPage::title()
{
    //: The help window's title.
    return tr("Chromaland Help");
}

QString HelpPage::html()
{
    const QList<std::pair<QString, QString>> parts{
        {QStringLiteral("playing"), tr("Playing")},
        {QStringLiteral("battle"), tr("The battle")},
        {QStringLiteral("advice"), tr("Advice for a new character")},
        {QStringLiteral("keys"), tr("Keys")},
        {QStringLiteral("controller"), tr("With a game controller")},
        {QStringLiteral("character"), tr("Your character")},
        {QStringLiteral("symbols"), tr("Colour symbols")},
        {QStringLiteral("reader"), tr("With a screen reader")},
        //: The heading of the help's part about the game's sounds.
        {QStringLiteral("sound"), tr("Sound")},
        {QStringLiteral("languages"), tr("Languages")},
    };
    const QStringList bodies{playing(),   battle(),        advice(),       keys(),  controller(),
                             character(), colourSymbols(), screenReader(), sound(), languages()};

    QString page = QStringLiteral("<h1>%1</h1><ul>").arg(title().toHtmlEscaped());
    for (const auto &[anchor, name] : parts)
        page += QStringLiteral("<li><a href=\"#%1\">%2</a></li>").arg(anchor, name.toHtmlEscaped());
    page += QStringLiteral("</ul>");
    for (qsizetype i = 0; i < parts.size(); ++i)
        page += heading(parts[i].first, parts[i].second) + bodies[i];
    return page;
}

QString HelpPage::playing()
{
    using namespace GameRules;
    const double phaseSeconds =
        std::chrono::duration<double>(EnemyClock::PhaseTicks * EnemyClock::TickInterval).count();
    //: %1 is the number of columns, %2 the number of rows.
    QString text = paragraph(tr("You are the white square on a map of %1 by %2 squares. Walk onto the coloured "
                                "enemies to fight them, spend the points that kills bring to grow stronger, and stay "
                                "alive.")
                                 .arg(MapGrid::Columns)
                                 .arg(MapGrid::HealingRow));
    //: %1 is a number of seconds, such as 1.7, written as the language writes numbers; %2 is the smallest
    //: maximum of which a tenth, rounded down, is 1 or more.
    text += paragraph(tr("The arrow keys move you one square at a time. The bottom row of the map is the healing "
                         "row: no enemy ever goes there. Each time the bar under the map fills, about every %1 "
                         "seconds, standing in the healing row gives you back a tenth of your maximum Health and of "
                         "your maximum Magic, rounded down, so nothing while a maximum is below %2.")
                          .arg(number(phaseSeconds))
                          .arg(smallestHealingMaximum()));
    text += paragraph(tr("The bar stands still during a battle and while this help is open."));
    //: %1 is the number of enemies, %2 how many there are of each colour.
    text += paragraph(tr("There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows, and the "
                         "bands overlap: violet near the top of the map, then indigo, blue, green, yellow and orange, "
                         "and red lowest; orange and red both reach the row just above the healing row.")
                          .arg(EnemyCount)
                          .arg(EnemiesPerColour));
    text += paragraph(tr("Violet enemies are the strongest, red the weakest. Every time the bar under the map fills, "
                         "each enemy may take one step, and a defeated enemy comes back one time in three."));
    text += paragraph(GameKeys::encounterRule());
    text += skillBars();
    text += paragraph(tr("While you have points, a \"+\" button shows beside each of your statistics: Strength, "
                         "Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic "
                         "by one; Health and Magic raise both the value and its maximum."));
    return text;
}

// The skill bars, and the strength and points of each colour.
QString HelpPage::skillBars()
{
    using namespace GameRules;
    const int levels = int(FullSkillBarTwips / TwipsPerLevel);
    //: %1 is the number of levels of a skill bar. A list of the seven colours follows.
    QString text =
        paragraph(tr("Each kill adds a level to the skill bar of the enemy's colour; skill levels play no part "
                     "in a battle. A bar has %1 levels: once it is full, the next kill starts it again at level 1 "
                     "and gives you points, more for the stronger colours:")
                      .arg(levels));
    const QStringList colours{
        //: A line of the list of colours: %1 to %2 is the enemies' strength, %3 the points a full bar gives.
        tr("Violet: strength %1 to %2; a full bar gives %3 points."),
        tr("Indigo: strength %1 to %2; a full bar gives %3 points."),
        tr("Blue: strength %1 to %2; a full bar gives %3 points."),
        tr("Green: strength %1 to %2; a full bar gives %3 points."),
        tr("Yellow: strength %1 to %2; a full bar gives %3 points."),
        tr("Orange: strength %1 to %2; a full bar gives %3 points."),
        tr("Red: strength %1 to %2; a full bar gives %3 points."),
    };
    text += QStringLiteral("<ul>");
    for (int colour = 0; colour < ColourCount; ++colour) {
        const auto [weakest, strongest] = strengthRange(colour);
        text += QStringLiteral("<li>%1</li>")
                    .arg(colours[colour].arg(weakest).arg(strongest).arg(WrapAwards[colour]).toHtmlEscaped());
    }
    text += QStringLiteral("</ul>");
    return text;
}

QString HelpPage::battle()
{
    QString text = paragraph(tr("Walking onto an enemy opens the battle window, and the enemies on the map stand "
                                "still until it closes. Each battle draws the enemy's strength afresh from that "
                                "enemy's own range, and its health is that strength: the three enemies of a colour "
                                "look alike, but one is stronger than the next. The enemy answers each Attack, Blast "
                                "and Heal with its turn, a Heal at full Health too. It does not strike back at a "
                                "Retreat, at a Blast or Heal without Magic, or at anything after the kill."));
    text += paragraph(tr("Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll "
                         "is higher, you hit for 1 to your Strength."));
    text += paragraph(tr("Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy's health and "
                         "never more than the Magic you have; it costs as much Magic as the damage it does. You need "
                         "at least 1 Magic."));
    text += paragraph(tr("Heal: turns Magic into Health, as much as you are missing but no more than your Magic and "
                         "no more than your Wisdom."));
    text += paragraph(tr("The enemy's turn: you dodge with a roll from 0 to one less than your Dexterity, against "
                         "its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for "
                         "anything from 0 to one less than half its strength, an odd strength's half rounded up."));
    text += paragraph(tr("Retreat leaves the battle, and the enemy does not strike back, but it stays on your square "
                         "and keeps none of its wounds: the next battle with it starts afresh. Once the enemy is "
                         "defeated, Retreat is also how you leave with the win: the enemy disappears for a while and "
                         "its colour's skill bar grows."));
    text += paragraph(tr("When your Health falls below 1 you die. Your character is saved one last time and its "
                         "file becomes an archive named Dead_ with the time and date, and the game ends. The next "
                         "start begins with a new character."));
    return text;
}

QString HelpPage::advice()
{
    using namespace GameRules;
    const BattleOdds::Fighter player = BattleOdds::newCharacter();
    const auto [weakestRed, strongestRed] = strengthRange(Red);
    const int weakestOrange = strengthRange(Orange).first;
    using BattleOdds::Tactic;

    // The best chance against any colour stronger than orange.
    double stronger = 0;
    for (int colour = Violet; colour < Orange; ++colour)
        stronger = std::max(stronger, BattleOdds::win(player, strengthRange(colour).first, Tactic::BlastFirst));
    //: %1, %3 and %6 are enemies' strengths; %2, %4, %5, %7 and %8 whole percentages, such as 98.
    QString text = paragraph(tr("These odds are for a new character at full Health and Magic that neither heals nor "
                                "retreats. It beats the weakest red enemy (strength %1) %2% of the time by Attack "
                                "alone, but the strongest red one (strength %3) only %4% of the time by Attack alone "
                                "and %5% with Blast first, the weakest orange one (strength %6) %7% of the time even "
                                "with Blast first, and the stronger colours at most %8% of the time.")
                                 .arg(weakestRed)
                                 .arg(percent(BattleOdds::win(player, weakestRed, Tactic::AttackOnly)))
                                 .arg(strongestRed)
                                 .arg(percent(BattleOdds::win(player, strongestRed, Tactic::AttackOnly)))
                                 .arg(percent(BattleOdds::win(player, strongestRed, Tactic::BlastFirst)))
                                 .arg(weakestOrange)
                                 .arg(percent(BattleOdds::win(player, weakestOrange, Tactic::BlastFirst)))
                                 .arg(percent(stronger)));
    text += paragraph(tr("Blast first: it never misses, while most Attacks against a stronger enemy do, and the "
                         "enemy answers both the same way. When a battle goes badly, or its first lines show a strong "
                         "enemy, retreat, which it does not strike back at, and step off its square at once with an "
                         "arrow key. Between battles, wait in the "
                         "healing row until your Health and Magic are full again."));
    return text;
}

QString HelpPage::keys()
{
    return keyTable(false);
}

QString HelpPage::controller()
{
    QString text = paragraph(tr("A game controller plays the whole game, plugged in before the game starts or while "
                                "it runs; the keys go on working beside it."));
    text += paragraph(tr("The buttons are named by their place, as on most controllers: A is the lower of the four "
                         "buttons on the right, B the right one, X the left one and Y the upper one, whatever "
                         "letters or symbols your controller shows. Held, the d-pad and the stick repeat as a held "
                         "key does. Any other button does nothing."));
    return text + keyTable(true);
}

QString HelpPage::keyTable(bool buttons)
{
    const QList<std::pair<GameKeys::Window, QString>> windows{
        //: The headings of the list of keys, one for each window.
        {GameKeys::Window::Title, tr("On the title")},
        {GameKeys::Window::Map, tr("On the map")},
        {GameKeys::Window::Battle, tr("In a battle")},
        {GameKeys::Window::Help, tr("In this help")},
        {GameKeys::Window::Hall, tr("In the hall of the fallen")},
        {GameKeys::Window::MessageBox, tr("In a message")},
        {GameKeys::Window::Question, tr("When asked to save and quit")},
    };
    QString text;
    for (const auto &[window, name] : windows) {
        QString rows;
        for (const GameKeys::Key &key : GameKeys::of(window)) {
            // The key on a line and what it does on the next: read line by
            // line, as a screen reader reads the help, each key is told
            // with its action (a table's second column is not reached).
            if (key.buttons.isEmpty() != buttons)
                rows += QStringLiteral("<p><b>%1</b><br>%2</p>")
                            .arg(key.name.toHtmlEscaped(), key.action.toHtmlEscaped());
        }
        if (!rows.isEmpty())
            text += QStringLiteral("<h3>%1</h3>%2").arg(name.toHtmlEscaped(), rows);
    }
    return text;
}

QString HelpPage::character()
{
    //: The file's full path follows on a line of its own.
    QString text = paragraph(tr("The game keeps one character, in this file:"));
    text += QStringLiteral("<p dir=\"ltr\"><tt>%1</tt></p>")
                .arg(QDir::toNativeSeparators(modGameLogicCode::characterFilePath()).toHtmlEscaped());
    text += paragraph(tr("It is saved after every battle that changed it, after every point you spend and when you "
                         "close the map. A logout, a shutdown or stopping the game from a terminal saves it too. A "
                         "battle still under way is not saved; a battle already won is kept."));
    text += paragraph(tr("When the file is missing, the game says so and starts a new character. Pictures of your "
                         "own for the map, for you and for the enemies go into the Graphics folder beside it."));
    //: The folder's full path follows on a line of its own.
    text += paragraph(tr("A dead character's archive goes into this folder:"));
    text +=
        QStringLiteral("<p dir=\"ltr\"><tt>%1</tt></p>").arg(folder(ProgramFolder::archiveFolder()).toHtmlEscaped());
    text += paragraph(tr("If the archive cannot be made, the game says where the file still is, and the next start "
                         "plays the dead character again: with Health below 1, the first hit it takes ends it, even "
                         "a hit of 0, unless it heals first, in the healing row (which may take several fills of the "
                         "bar) or with Heal in a battle. The hall of the fallen has no record of that death."));
    text += paragraph(tr("When the file is damaged (lines missing, points that are not a number, or skill levels "
                         "that are not numbers, negative or too large), the game says what is wrong with an error "
                         "code and ends, and leaves the file exactly as it was, so that you can mend it or move it "
                         "away."));
    text += paragraph(tr("A Strength, Dexterity, Wisdom, Health or Magic that is not a number does not stop the "
                         "game, but battles and the \"+\" buttons refuse it until you mend the file. Every save "
                         "writes a whole new file before it replaces the old one, so a crash never leaves half a "
                         "character; in a folder that refuses new files, the file is rewritten in place in one write "
                         "instead."));
    return text;
}

QString HelpPage::colourSymbols()
{
    QString text = paragraph(tr("Some colours of the enemies look alike to many eyes. The colour symbols mark every "
                                "enemy and every skill bar with dots, more for the stronger colours: red one, orange "
                                "two, yellow three, green four, blue five, indigo six and violet seven. You become a "
                                "white square in a black frame, with a red cross while you stand in the healing row."));
    text += paragraph(tr("Pictures of your own in the Graphics folder take the place of the symbols, picture by "
                         "picture."));
    //: %1 is the name of the key, such as F2.
    text += paragraph(tr("%1 on the map switches the colour symbols on and off, and the game keeps the choice for "
                         "the next start.")
                          .arg(GameKeys::name(GameKeys::ColourSymbols)));
    return text;
}

QString HelpPage::screenReader()
{
    //: "where am I" and "flat review" are Orca's own commands: use the names Orca gives them in your language.
    QString text = paragraph(tr("The game speaks to screen readers such as Orca. The title reads its instructions. "
                                "On the map every arrow key tells your new square, and Orca's \"where am I\" adds "
                                "the nearest enemy and the way to it; flat review reads your statistics and skill "
                                "levels. In a battle, each move's lines are told with your health and magic and the "
                                "enemy's health."));
    //: %1 is the space bar's name (Space).
    text += paragraph(tr("After each step on the map Orca also tells the way to the nearest enemy, such as "
                         "\"Red enemy: 2 up, 1 left.\" An enemy that comes beside you or onto your square is "
                         "told at once, once while you stand still; on your square, %1 fights it and an arrow key "
                         "steps away. The enemy clock's bar under the map is not read out.")
                          .arg(GameKeys::name(Qt::Key_Space)));
    //: %1 and %2 are keys (PgDown, PgUp); %3 and %4 the first and the last number key (1, 7).
    text += paragraph(tr("To choose an enemy by ear, %1 tells the next enemy you can see, nearest first, with its "
                         "colour and the way to it, and %2 the one before. The number keys %3 to %4 tell the "
                         "nearest enemy of a colour, by the dots of its colour symbol: 1 red, 2 orange, 3 yellow, "
                         "4 green, 5 blue, 6 indigo, 7 violet; pressed again, the next one of that colour. After "
                         "each step you are then told the way to the enemy you chose, until it is beaten. None of "
                         "these keys starts a battle, nor does Shift, Ctrl, Alt, Caps Lock, Insert or any other key "
                         "that belongs to your desktop or your screen reader.")
                          .arg(GameKeys::name(Qt::Key_PageDown), GameKeys::name(Qt::Key_PageUp),
                               GameKeys::name(Qt::Key_1), GameKeys::name(Qt::Key_7)));
    //: %1 is the key of the hall of the fallen (F3).
    text += paragraph(tr("This help is read line by line with the arrow keys; on the name of a part in the list at "
                         "its top, Return takes you to that part. A battle won tells your colour's new skill level; "
                         "a death tells which enemy killed you, its strength and the battle's last lines, before "
                         "the game ends. In the hall of the fallen (%1), Up and Down read one fallen character "
                         "after another, Home and End go to the first and the last, and Return reads the whole "
                         "record.")
                          .arg(GameKeys::name(GameKeys::Hall)));
    //: "Key Bindings" is the name of a page of Orca's preferences: use its name in Orca in your language.
    text += paragraph(tr("The battle's lines are notifications, which Orca keeps in its list of notification "
                         "messages. Its commands to hear the last ones again or to go through the list have no keys "
                         "at first: give them keys under Key Bindings in Orca's preferences."));
    return text;
}

QString HelpPage::sound()
{
    QString text = paragraph(tr("The game marks what happens with short sounds: a step into the healing row and the "
                                "healing there, an enemy that comes beside you or onto your square, the start of a "
                                "battle, your hits and misses, a blast, a heal, the enemy's hits and misses, a win, "
                                "a skill bar that starts again and gives points, a point spent, and a death."));
    text += paragraph(tr("Each of them is also shown on the screen and told to a screen reader: nothing is told by "
                         "sound alone."));
    text += paragraph(tr("After each step on the map the enemy cue points to the nearest enemy: it comes from the "
                         "left or the right as the enemy stands left or right of you, further to the side the "
                         "further away it is, and it sounds higher for an enemy above you and lower for one below, "
                         "so that it can be followed with one ear too."));
    //: %1 is the name of the key, such as F5.
    text += paragraph(tr("Two quick knocks mean that the enemy is beside you. The cue is on while a screen reader "
                         "runs; %1 on the map switches it on or off, and the game keeps the choice.")
                          .arg(GameKeys::name(GameKeys::EnemyCue)));
    //: %1 is the name of the key, such as F4; %2 is the command-line option, which stays as it is.
    text += paragraph(tr("%1 on the title, on the map and in a battle silences the game and brings the sound back; "
                         "the game keeps the choice for the next start, and %2 starts it silenced. Without a sound "
                         "server the game is silent and says nothing of it.")
                          .arg(GameKeys::name(GameKeys::SoundSwitch), QStringLiteral("chromaland --no-sound")));
    return text;
}

QString HelpPage::languages()
{
    QStringList names;
    for (const QString &code : Language::spoken())
        names.append(QLocale(code).nativeLanguageName());
    names.sort(Qt::CaseInsensitive);
    //: %1 is the list of the languages, each by its own name.
    QString text = paragraph(tr("Besides English, the game speaks: %1.")
                                 //: Between the names of the languages.
                                 .arg(names.join(tr(", "))));
    //: %1 is a command that starts the game in German; it stays as it is.
    text += paragraph(tr("It speaks your desktop's language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). To play "
                         "in another language once, start it from a terminal with that language first, for "
                         "example: %1")
                          .arg(QStringLiteral("LANGUAGE=de chromaland")));
    return text;
}

QString HelpPage::colourSymbolsOption()
{
    //: The description of the --colour-symbols option in the program's --help.
    return tr("Shows the colour symbols on the map, and keeps them on.");
}

QString HelpPage::noSoundOption()
{
    //: The description of the --no-sound option in the program's --help.
    return tr("Silences the game, and keeps it silent until sound is switched on again.");
}
