#include "logic/modgamelogiccode.h"

#include "logic/defaultcharacter.h"
#include "accessibility/accessibleupdates.h"
#include "accessibility/pictureboxaccessible.h"
#include "widgets/picturebox.h"
#include "system/beep.h"
#include "logic/captionnumber.h"
#include "system/clock.h"
#include "system/gameerror.h"
#include "forms/messagebox.h"
#include "system/programfolder.h"
#include "system/safefile.h"
#include "system/sound.h"

#include <QAccessible>
#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <optional>

using namespace GameRules;

namespace modGameLogicCode {

bool EnemiesPaused = false;

namespace {

constexpr int RecordLines = CharacterLines;
static_assert(RecordLines == StatisticLines + ColourCount, "the statistics, then a skill line for each colour");
// The points, the last statistic, are read as a whole number.
constexpr int PointsLine = StatisticLines - 1;
// The sentence for a short file names the number of lines.
static_assert(RecordLines == 15, "\"the character file has %1 of its 15 lines\" names the count");

// Writes the lines, each ended by CR LF, replacing the file only once the
// new content is complete on disk.
void writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    SafeFile::write(path, bytes);
}

// Lines end at CR LF, a lone LF or a lone CR; a last line needs no ending.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString valueOf(const QString &line, int lineIndex)
{
    const qsizetype keyLength = static_cast<qsizetype>(qstrlen(CharacterKeys[lineIndex]));
    if (line.size() < keyLength)
        throw GameError(
            GameError::InvalidArgument,
            QCoreApplication::translate("modGameLogicCode", "line %1 of the character file is shorter than its key")
                .arg(lineIndex + 1));
    return line.mid(keyLength);
}

double wholeNumberOn(const QString &value, int lineIndex)
{
    try {
        return CaptionNumber::floorOf(CaptionNumber::parse(value));
    } catch (const GameError &e) {
        throw GameError(e.code(),
                        QCoreApplication::translate("modGameLogicCode", "line %1 of the character file holds \"%2\"")
                            .arg(lineIndex + 1)
                            .arg(GameError::excerpt(value)));
    }
}

// The date in the player's short form where it is plain 8-bit text;
// otherwise (other digits, direction marks) a fixed numeric form.
QString savedDate(const QDate &date)
{
    const QString local = QLocale().toString(date, QLocale::ShortFormat);
    const bool readable = std::all_of(local.cbegin(), local.cend(), [](QChar c) {
        return (c.unicode() >= 0x20 && c.unicode() < 0x7F) || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
    });
    return readable && !local.isEmpty() ? local : date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString characterFilePath()
{
    const QString wanted = ProgramFolder::path() + QStringLiteral("/Character.chx");
    const QString found = findEntry(wanted);
    return found.isEmpty() ? wanted : found;
}

void CreateDefaultCharacter()
{
    QStringList lines;
    for (const char *line : DefaultCharacter)
        lines << QLatin1String(line);
    writeLines(characterFilePath(), lines);
}

CharacterRecord readCharacter(const QByteArray &bytes)
{
    // The file is 8-bit text: every byte maps to one character and back.
    QStringDecoder latin1(QStringDecoder::Latin1);
    const QStringList lines = splitLines(latin1(bytes));
    if (lines.size() < RecordLines)
        throw GameError(GameError::PastEndOfFile,
                        QCoreApplication::translate("modGameLogicCode", "the character file has %1 of its 15 lines")
                            .arg(lines.size()));

    // Everything is checked before any control changes.
    CharacterRecord record;
    for (int i = 0; i < PointsLine; ++i)
        record.captions[i] = valueOf(lines[i], i);
    record.captions[PointsLine] =
        CaptionNumber::format(wholeNumberOn(valueOf(lines[PointsLine], PointsLine), PointsLine));

    for (int i = 0; i < ColourCount; ++i) {
        const int line = StatisticLines + i;
        const double twips = wholeNumberOn(valueOf(lines[line], line), line) * TwipsPerLevel;
        if (std::fabs(twips) > FLT_MAX)
            throw GameError(
                GameError::Overflow,
                QCoreApplication::translate("modGameLogicCode", "skill level on line %1 of the character file")
                    .arg(line + 1));
        if (twips < 0)
            throw GameError(
                GameError::InvalidPropertyValue,
                QCoreApplication::translate("modGameLogicCode", "negative skill level on line %1 of the character file")
                    .arg(line + 1));
        record.skillWidths[i] = static_cast<float>(twips);
    }

    return record;
}

void LoadCharacter(const MapControls &map)
{
    SafeFile::discardInterrupted(characterFilePath());
    if (!FileExists(characterFilePath())) {
        MessageBox::show(QCoreApplication::translate(
            "modGameLogicCode", "Character file could not be found - a new character will be created"));
        CreateDefaultCharacter();
    }

    const CharacterRecord record =
        readCharacter(SafeFile::read(characterFilePath(), MaxCharacterFileBytes, GameError::PathAccess));

    const auto labels = map.statistics();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(record.captions[i]);
    for (int i = 0; i < ColourCount; ++i)
        map.skillBars[i]->setWidthTwips(record.skillWidths[i]);
}

CharacterRecord heldCharacter(const MapControls &map)
{
    CharacterRecord record;
    const auto labels = map.statistics();
    for (std::size_t i = 0; i < labels.size(); ++i)
        record.captions[i] = labels[i]->text();
    for (int i = 0; i < ColourCount; ++i)
        record.skillWidths[i] = map.skillBars[i]->widthTwips();
    return record;
}

CharacterRecord afterWin(CharacterRecord record, qint16 index)
{
    const int group = index / EnemiesPerColour;
    float &skill = record.skillWidths[std::size_t(group)];
    skill += TwipsPerLevel;
    if (skill > FullSkillBarTwips) {
        skill = TwipsPerLevel;
        // The points caption always holds a number: loading and spending
        // write nothing else. Should it not, the award is not added to it.
        QString &points = record.captions[PointsLine];
        if (const auto held = CaptionNumber::tryParse(points))
            points = CaptionNumber::format(*held + WrapAwards[std::size_t(group)]);
    }
    return record;
}

void SaveCharacter(const MapControls &map)
{
    SaveCharacter(heldCharacter(map));
}

void SaveCharacter(const CharacterRecord &record)
{
    QStringList lines;
    for (int i = 0; i < StatisticLines; ++i)
        lines << QLatin1String(CharacterKeys[i]) + record.captions[i];
    for (int i = 0; i < ColourCount; ++i)
        lines << QLatin1String(CharacterKeys[StatisticLines + i])
                + CaptionNumber::formatSingle(record.skillWidths[i] / TwipsPerLevel);
    const QDateTime now = Clock::now();
    lines << QStringLiteral("Saved: ") + savedDate(now.date()) + QLatin1Char(' ')
            + now.time().toString(QStringLiteral("HH:mm:ss"));
    writeLines(characterFilePath(), lines);
}

QString saveCharacterOrWhy(const MapControls &map)
{
    return saveCharacterOrWhy(heldCharacter(map));
}

QString saveCharacterOrWhy(const CharacterRecord &record)
{
    try {
        SaveCharacter(record);
    } catch (const GameError &e) {
        return QCoreApplication::translate("modGameLogicCode", "The character could not be saved to %1.\n\n%2")
            .arg(QDir::toNativeSeparators(characterFilePath()), e.description());
    }
    return QString();
}

Outcome saveCharacterOrSay(const MapControls &map)
{
    const QString why = saveCharacterOrWhy(map);
    if (why.isEmpty())
        return Outcome::carryOn();
    MessageBox::show(why);
    return Outcome::end(1);
}

QString findEntry(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString folderPart = path.left(cut + 1);
    const QDir folder(folderPart.isEmpty() ? QStringLiteral(".") : folderPart);
    // Pipes, devices and broken links are entries too: they are found, and
    // then refused by the reader, rather than replaced by a new file.
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    // An exact match wins over another entry that differs only in case.
    const QString exactName = path.mid(cut + 1);
    if (entries.contains(exactName))
        return path;
    for (const QString &entry : entries) {
        if (QString::compare(folderPart + entry, path, Qt::CaseInsensitive) == 0)
            return folderPart + entry;
    }
    return QString();
}

bool FileExists(const QString &path)
{
    return !findEntry(path).isEmpty();
}

void UpdateGainButtons(const MapControls &map)
{
    // A points caption that is not a number has nothing to spend.
    const std::optional<double> points = CaptionNumber::tryParse(map.lbl_Points_val->text());
    const bool show = points && CaptionNumber::floorOf(*points) > 0;
    for (QPushButton *button : map.gainButtons)
        button->setVisible(show);
}

bool EnemyAt(const MapControls &map, qint16 x, qint16 y)
{
    bool found = false;
    for (const PictureBox *enemy : map.pic_Enemy) {
        if (enemy->left() == static_cast<float>(x) && enemy->top() == static_cast<float>(y))
            found = true;
    }
    return found;
}

Outcome CheckEncounter(const MapControls &map)
{
    // Every shown enemy on the player's square is fought, lowest index
    // first; a death ends the game before the next one.
    const PictureBox *player = map.pic_Player;
    for (qint16 i = 0; i < EnemyCount; ++i) {
        const PictureBox *enemy = map.pic_Enemy[i];
        if (enemy->left() == player->left() && enemy->top() == player->top() && enemy->shown()) {
            const Outcome outcome = FightEnemy(map, i);
            if (outcome.ends())
                return outcome;
        }
    }
    return Outcome::carryOn();
}

namespace {

// Tells a listening screen reader of a won battle: the skill of colour
// `group` as the panel now shows it, and the points a full bar gave.
void tellWin(const MapControls &map, int group, bool wrapped)
{
    if (!QAccessible::isActive())
        return;
    const auto named = [](QObject *control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    const QString skill = named(map.skillBars[group]);
    if (!wrapped) {
        //: Told by a screen reader when a battle is won; %1 is the colour's skill as the panel shows it now,
        //: e.g. "Red skill: level 3 of 18".
        AccessibleUpdates::say(map.window, QCoreApplication::translate("modGameLogicCode", "You won. %1.").arg(skill));
        return;
    }
    const int award = WrapAwards[group];
    //: Told when a won battle fills a skill bar: %1 is the skill ("Red skill: level 1 of 18"), %n the points it
    //: gave, %2 the points there are now ("Points: 4").
    const QString told = QCoreApplication::translate(
        "modGameLogicCode", "You won. %1 again: the full bar gave you %n points. %2.", nullptr, award);
    AccessibleUpdates::say(map.window, told.arg(skill, named(map.lbl_Points_val)));
}

} // namespace

Outcome FightEnemy(const MapControls &map, qint16 index)
{
    map.lbl_EnemyTag->setText(QString::number(index));
    BattleEnd battle;
    {
        const PausedEnemies paused;
        battle = map.openBattle(map);
    }

    const QString result = map.lbl_EnemyTag->text();
    if (result == Retreat) {
        // The enemy is still on the player's square: a reader is told so,
        // and which keys leave it and which fight it.
        if (const auto *world = qobject_cast<PictureBox *>(map.pic_Player->parentWidget()))
            AccessibleUpdates::say(map.window, PictureBoxAccessible::closeBy(world));
        return Outcome::carryOn();
    }
    if (result == Dead)
        return ArchiveDeadCharacter(map, index, battle);

    map.pic_Enemy[index]->hide();
    const int group = index / EnemiesPerColour;
    PictureBox *bar = map.skillBars[group];
    const CharacterRecord won = afterWin(heldCharacter(map), index);
    const bool wrapped = won.skillWidths[group] < bar->widthTwips() + TwipsPerLevel;
    if (wrapped) {
        Beep::sound();
        Sound::play(SoundSet::Effect::SkillWrap);
    }
    bar->setWidthTwips(won.skillWidths[group]);
    map.lbl_Points_val->setText(won.captions[PointsLine]);
    UpdateGainButtons(map);
    tellWin(map, group, wrapped);
    return Outcome::carryOn();
}

namespace {

// The record of the character the controls hold, as it died.
FallenHistory::Record fallenRecord(const MapControls &map, const QDateTime &died, const QString &archive, qint16 enemy,
                                   const BattleEnd &battle)
{
    FallenHistory::Record record;
    record.died = died;
    record.archive = archive;
    record.statistics = {map.lbl_ST_val->text(), map.lbl_DX_val->text(), map.lbl_WS_val->text(), map.lbl_HP_max->text(),
                         map.lbl_MP_max->text()};
    record.points = map.lbl_Points_val->text();
    for (int i = 0; i < ColourCount; ++i)
        record.levels[i] = CaptionNumber::formatSingle(map.skillBars[i]->widthTwips() / TwipsPerLevel);
    record.earned = FallenHistory::earned(record.statistics, record.points);
    record.killer = enemy / EnemiesPerColour;
    record.strength = battle.enemyStrength;
    // The status line breaks its lines as the language lays them out.
    record.lastLines = splitLines(battle.lastLines);
    return record;
}

} // namespace

Outcome ArchiveDeadCharacter(const MapControls &map, qint16 enemy, const BattleEnd &battle)
{
    const QString characterFile = characterFilePath();
    const Outcome saved = saveCharacterOrSay(map);
    if (saved.ends())
        return saved;

    const QDateTime died = Clock::now();
    const QString archiveName =
        QStringLiteral("Dead_") + died.toString(QStringLiteral("hh.mm.ss_dd.MM.yyyy")) + QStringLiteral(".txt");
    const QDir archiveFolder(ProgramFolder::archiveFolder());
    QFile file(characterFile);
    // rename() never replaces an existing file; across file systems it
    // copies and removes the old file only once the copy is whole.
    if (!file.rename(archiveFolder.filePath(archiveName))) {
        MessageBox::show(QCoreApplication::translate("modGameLogicCode",
                                                     "The dead character could not be archived as %1 in %2 (%3).\n\n"
                                                     "The character file is still at %4.")
                             .arg(archiveName, QDir::toNativeSeparators(archiveFolder.absolutePath()),
                                  file.errorString(), QDir::toNativeSeparators(characterFile)));
        return Outcome::end(1);
    }
    // The archive is whole before the history is touched, and the history
    // never holds the end back: a failure here is not the player's concern.
    FallenHistory::append(fallenRecord(map, died, archiveName, enemy, battle));
    return Outcome::end(0);
}

} // namespace modGameLogicCode
