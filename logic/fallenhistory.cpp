#include "logic/fallenhistory.h"

#include "logic/captionnumber.h"
#include "logic/defaultcharacter.h"
#include "system/gameerror.h"
#include "system/programfolder.h"
#include "system/safefile.h"

#include <QByteArrayView>
#include <QFileInfo>

#include <cmath>

namespace FallenHistory {

namespace {

constexpr int FieldCount = 19;
constexpr std::array<const char *, FieldCount> Columns = {"died", "archive", "ST",     "DX",       "WS",   "HPm", "MPm",
                                                          "pts",  "V",       "I",      "B",        "G",    "Y",   "O",
                                                          "R",    "earned",  "killer", "strength", "lines"};
// Where the fields stand.
constexpr int StatisticsAt = 2;
constexpr int PointsAt = 7;
constexpr int LevelsAt = 8;
constexpr int EarnedAt = 15;
constexpr int KillerAt = 16;
constexpr int StrengthAt = 17;
constexpr int LinesAt = 18;
static_assert(LevelsAt + GameRules::ColourCount == EarnedAt, "the seven levels, then the points earned");
// The character file's lines of the five statistics a point raises.
constexpr std::array<int, StatisticCount> CharacterLineOf = {0, 1, 2, 4, 6};

QByteArray escaped(const QString &field)
{
    QByteArray out;
    const QByteArray bytes = field.toUtf8();
    out.reserve(bytes.size());
    for (const char c : bytes) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The field's text, or nothing for an escape the writer never makes.
std::optional<QString> unescaped(QByteArrayView field)
{
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

QString killerName(int group)
{
    return QString::fromLatin1(ColourGroups::All[group].name).toLower();
}

std::optional<int> killerOf(const QString &name)
{
    for (int group = 0; group < GameRules::ColourCount; ++group) {
        if (name == killerName(group))
            return group;
    }
    return std::nullopt;
}

// Digits at [at, at + count) of the text, as a number; -1 when any is not a digit.
int digitsAt(const QString &text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = text.at(at + i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// A moment with its date, time and offset spelt out: 2026-12-06T23:55:11
// and Z or +hh:mm / -hh:mm. Read by hand: a hundred thousand records are
// read each time the hall opens.
std::optional<QDateTime> momentOf(const QString &text)
{
    constexpr qsizetype Stamp = 19; // up to the seconds
    const bool utc = text.size() == Stamp + 1 && text.at(Stamp) == QLatin1Char('Z');
    if (!utc
        && (text.size() != Stamp + 6 || (text.at(Stamp) != QLatin1Char('+') && text.at(Stamp) != QLatin1Char('-'))
            || text.at(Stamp + 3) != QLatin1Char(':')))
        return std::nullopt;
    if (text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-') || text.at(10) != QLatin1Char('T')
        || text.at(13) != QLatin1Char(':') || text.at(16) != QLatin1Char(':'))
        return std::nullopt;
    const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    const int hours = digitsAt(text, 11, 2), minutes = digitsAt(text, 14, 2), seconds = digitsAt(text, 17, 2);
    const QTime time(hours, minutes, seconds);
    const int offsetHours = utc ? 0 : digitsAt(text, Stamp + 1, 2);
    const int offsetMinutes = utc ? 0 : digitsAt(text, Stamp + 4, 2);
    if (!date.isValid() || hours < 0 || minutes < 0 || seconds < 0 || !time.isValid() || offsetHours < 0
        || offsetMinutes < 0 || offsetHours > 23 || offsetMinutes > 59)
        return std::nullopt;
    const int sign = text.at(Stamp) == QLatin1Char('-') ? -1 : 1;
    return QDateTime(date, time, Qt::OffsetFromUTC, sign * (offsetHours * 3600 + offsetMinutes * 60));
}

std::optional<Record> recordOf(QByteArrayView line)
{
    std::array<QString, FieldCount> fields;
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != '\t')
            continue;
        if (count == FieldCount)
            return std::nullopt;
        const std::optional<QString> field = unescaped(line.sliced(start, i - start));
        if (!field)
            return std::nullopt;
        fields[count++] = *field;
        start = i + 1;
    }
    if (count != FieldCount)
        return std::nullopt;

    Record record;
    const std::optional<QDateTime> died = momentOf(fields[0]);
    const std::optional<int> killer = killerOf(fields[KillerAt]);
    bool strengthRead = false;
    record.strength = fields[StrengthAt].toInt(&strengthRead);
    if (!died || fields[1].isEmpty() || !killer || !strengthRead)
        return std::nullopt;
    record.died = *died;
    record.archive = fields[1];
    for (int i = 0; i < StatisticCount; ++i)
        record.statistics[i] = fields[StatisticsAt + i];
    record.points = fields[PointsAt];
    for (int i = 0; i < GameRules::ColourCount; ++i)
        record.levels[i] = fields[LevelsAt + i];
    if (!fields[EarnedAt].isEmpty()) {
        record.earned = CaptionNumber::tryParse(fields[EarnedAt]);
        if (!record.earned || !std::isfinite(*record.earned))
            return std::nullopt;
    }
    record.killer = *killer;
    if (!fields[LinesAt].isEmpty())
        record.lastLines = fields[LinesAt].split(QLatin1Char('\n'));
    return record;
}

} // namespace

int Record::highestSkill() const
{
    int best = -1;
    double bestLevel = 0;
    for (int i = 0; i < GameRules::ColourCount; ++i) {
        const std::optional<double> level = CaptionNumber::tryParse(levels[i]);
        if (level && (best < 0 || *level > bestLevel)) {
            best = i;
            bestLevel = *level;
        }
    }
    return best;
}

QString path()
{
    return ProgramFolder::path() + QStringLiteral("/Fallen.tsv");
}

std::optional<double> earned(const std::array<QString, StatisticCount> &statistics, const QString &points)
{
    std::optional<double> sum = CaptionNumber::tryParse(points);
    for (int i = 0; i < StatisticCount && sum; ++i) {
        const QString line = QLatin1String(GameRules::DefaultCharacter[CharacterLineOf[i]]);
        const std::optional<double> start = CaptionNumber::tryParse(line.section(QLatin1Char('='), 1));
        const std::optional<double> now = CaptionNumber::tryParse(statistics[i]);
        if (!start || !now)
            return std::nullopt;
        *sum += *now - *start;
    }
    if (sum && !std::isfinite(*sum))
        return std::nullopt;
    return sum;
}

QByteArray header()
{
    QByteArray out;
    for (const char *column : Columns)
        out += (out.isEmpty() ? "" : "\t") + QByteArray(column);
    return out + '\n';
}

QByteArray line(const Record &record)
{
    QList<QByteArray> fields;
    // The offset is spelt out, whatever time zone the moment was read in.
    const QDateTime died = record.died.toOffsetFromUtc(record.died.offsetFromUtc());
    fields << escaped(died.toString(Qt::ISODate)) << escaped(record.archive);
    for (const QString &statistic : record.statistics)
        fields << escaped(statistic);
    fields << escaped(record.points);
    for (const QString &level : record.levels)
        fields << escaped(level);
    fields << (record.earned ? escaped(CaptionNumber::format(*record.earned)) : QByteArray());
    fields << killerName(record.killer).toLatin1() << QByteArray::number(record.strength)
           << escaped(record.lastLines.join(QLatin1Char('\n')));
    return fields.join('\t') + '\n';
}

Contents parse(const QByteArray &bytes)
{
    Contents contents;
    const QByteArray first = header();
    const QByteArrayView headerLine(first.constData(), first.size() - 1);
    qsizetype start = 0;
    bool firstLine = true;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        if (std::exchange(firstLine, false) && line == headerLine)
            continue;
        if (line.isEmpty())
            continue;
        if (std::optional<Record> record = recordOf(line))
            contents.records.append(std::move(*record));
        else
            ++contents.skipped;
    }
    return contents;
}

Reading read(const QString &file)
{
    // A death killed in the last instant of its write left the whole new
    // history beside the old one: the old one stands.
    SafeFile::discardInterrupted(file);
    Reading reading;
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return reading;
    try {
        reading.contents = parse(SafeFile::read(file, MaxBytes, GameError::PathAccess));
    } catch (const GameError &e) {
        reading.failureCode = e.code();
        reading.failure = e.description();
    }
    return reading;
}

bool append(const Record &record)
{
    const QString file = path();
    SafeFile::discardInterrupted(file);
    QByteArray bytes;
    try {
        const QFileInfo info(file);
        if (info.exists() || info.isSymLink())
            bytes = SafeFile::read(file, MaxBytes, GameError::PathAccess);
        if (bytes.isEmpty())
            bytes = header();
        else if (!bytes.endsWith('\n'))
            bytes += '\n';
        SafeFile::write(file, bytes + line(record));
    } catch (const GameError &) {
        return false;
    }
    return true;
}

} // namespace FallenHistory
