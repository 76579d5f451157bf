#include "help/helppage.h"

#include "help/gamekeys.h"
#include "battle/battlerules.h"
#include "logic/gamerules.h"
#include "logic/modgamelogiccode.h"
#include "map/enemyclock.h"
#include "system/language.h"
#include "system/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLocale>
#include <QStringList>
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
    return QLocale().toString(value);
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
        {QStringLiteral("keys"), tr("Keys")},
        {QStringLiteral("controller"), tr("With a game controller")},
        {QStringLiteral("character"), tr("Your character")},
        {QStringLiteral("symbols"), tr("Colour symbols")},
        {QStringLiteral("reader"), tr("With a screen reader")},
        {QStringLiteral("languages"), tr("Languages")},
    };
    const QStringList bodies{playing(), battle(), keys(), controller(), character(), colourSymbols(), screenReader(), languages()};

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
    const int levels = int(FullSkillBarTwips / TwipsPerLevel);
    const double phaseSeconds = EnemyClock::PhaseTicks * 17 / 1000.0;
    //: %1 is the number of columns, %2 the number of rows.
    QString text = paragraph(tr("You are the white square on a map of %1 by %2 squares. Walk onto the coloured "
                                "enemies to fight them, grow stronger with every kill, and stay alive.")
                                 .arg(MapGrid::Columns)
                                 .arg(MapGrid::HealingRow));
    //: %1 is a number of seconds, such as 1.7, written as the language writes numbers.
    text += paragraph(tr("The arrow keys move you one square at a time. The bottom row of the map is the healing "
                         "row: no enemy ever goes there. Each time the bar under the map fills, about every %1 "
                         "seconds, standing in the healing row gives you back a tenth of your maximum Health and of "
                         "your maximum Magic.")
                          .arg(number(phaseSeconds)));
    //: %1 is the number of enemies, %2 how many there are of each colour.
    text += paragraph(tr("There are %1 enemies, %2 of each colour. Each colour keeps to its own band of rows: violet "
                         "near the top of the map, then indigo, blue, green, yellow and orange, and red lowest, just "
                         "above the healing row. Violet enemies are the strongest, red the weakest. Every time the bar "
                         "under the map fills, each enemy may take one step, and a defeated enemy comes back one time "
                         "in three.")
                          .arg(EnemyCount)
                          .arg(EnemiesPerColour));
    //: %1 is the number of levels of a skill bar. A list of the seven colours follows.
    text += paragraph(tr("Each kill adds a level to the skill bar of the enemy's colour. A bar has %1 levels: once "
                         "it is full, the next kill starts it again at level 1 and gives you points, more for the "
                         "stronger colours:")
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
    text += paragraph(tr("While you have points, a \"+\" button shows beside each of your statistics: Strength, "
                         "Dexterity, Wisdom, Health and Magic. Each press spends one point and raises that statistic "
                         "by one; Health and Magic raise both the value and its maximum."));
    return text;
}

QString HelpPage::battle()
{
    QString text = paragraph(tr("Walking onto an enemy opens the battle window, and the enemies on the map stand "
                                "still until it closes. The enemy's health is its strength. Each of your moves is "
                                "answered by the enemy's turn."));
    text += paragraph(tr("Attack: you roll from 1 to your Dexterity, the enemy from 1 to its strength. If your roll "
                         "is higher, you hit for 1 to your Strength."));
    text += paragraph(tr("Blast: a sure hit with magic for 1 to your Wisdom, never more than the enemy's health and "
                         "never more than the Magic you have; it costs as much Magic as the damage it does. You need "
                         "at least 1 Magic."));
    text += paragraph(tr("Heal: turns Magic into Health, as much as you are missing but no more than your Magic and "
                         "no more than your Wisdom."));
    text += paragraph(tr("The enemy's turn: you dodge with a roll from 0 to one less than your Dexterity, against "
                         "its roll from 1 to its strength. If it rolls as high as you or higher, it hits you for "
                         "up to half its strength."));
    text += paragraph(tr("Retreat leaves the battle; the enemy stays on the map. Once the enemy is defeated, Retreat "
                         "is also how you leave with the win: the enemy disappears for a while and its colour's skill "
                         "bar grows."));
    text += paragraph(tr("When your Health falls below 1 you die. Your character is saved one last time and its "
                         "file becomes an archive named Dead_ with the time and date, and the game ends. The next "
                         "start begins with a new character."));
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
        {GameKeys::Window::MessageBox, tr("In a message")},
    };
    QString text;
    for (const auto &[window, name] : windows) {
        QString rows;
        for (const GameKeys::Key &key : GameKeys::of(window)) {
            if (key.buttons.isEmpty() != buttons)
                rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                            .arg(key.name.toHtmlEscaped(), key.action.toHtmlEscaped());
        }
        if (!rows.isEmpty())
            text += QStringLiteral("<h3>%1</h3><table cellpadding=\"3\">%2</table>").arg(name.toHtmlEscaped(), rows);
    }
    return text;
}

QString HelpPage::character()
{
    //: The file's full path follows on a line of its own.
    QString text = paragraph(tr("The game keeps one character. It is saved when you close the map window, in "
                                "this file:"));
    text += QStringLiteral("<p dir=\"ltr\"><tt>%1</tt></p>")
                .arg(QDir::toNativeSeparators(modGameLogicCode::CharacterFilePath()).toHtmlEscaped());
    text += paragraph(tr("When the file is missing, the game says so and starts a new character. Pictures of your "
                         "own for the map, for you and for the enemies go into the Graphics folder beside it."));
    //: The folder's full path follows on a line of its own.
    text += paragraph(tr("A dead character's archive goes into this folder:"));
    text += QStringLiteral("<p dir=\"ltr\"><tt>%1</tt></p>").arg(folder(ProgramFolder::archiveFolder()).toHtmlEscaped());
    text += paragraph(tr("When the file is damaged (lines missing, or values that are not numbers where the game "
                         "needs a number), the game says what is wrong with an error code and ends, and leaves the "
                         "file exactly as it was, so that you can mend it or move it away. Every save writes a whole "
                         "new file before it replaces the old one: a crash never leaves half a character."));
    return text;
}

QString HelpPage::colourSymbols()
{
    QString text = paragraph(tr("Some colours of the enemies look alike to many eyes. The colour symbols mark every "
                                "enemy with as many dots as its colour is strong: red one, orange two, yellow three, "
                                "green four, blue five, indigo six and violet seven. You become a white square in a "
                                "black frame, with a red cross while you stand in the healing row."));
    //: %1 is the name of the key, such as F2.
    text += paragraph(tr("%1 on the map switches the colour symbols on and off.")
                          .arg(QKeySequence(GameKeys::ColourSymbols).toString(QKeySequence::NativeText)));
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
    //: "Key Bindings" is the name of a page of Orca's preferences: use its name in Orca in your language.
    text += paragraph(tr("The battle's lines are notifications, which Orca keeps in its list of notification "
                         "messages. Its commands to hear the last ones again or to go through the list have no keys "
                         "at first: give them keys under Key Bindings in Orca's preferences."));
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
