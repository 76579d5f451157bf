#include "hall/hallmodel.h"

#include "logic/captionnumber.h"
#include "system/language.h"

#include <QCoreApplication>
#include <QFont>

#include <algorithm>

namespace {

// The map window's names of a colour's enemy and skill bar, from its form.
constexpr std::array<const char *, GameRules::ColourCount> EnemyNames = {
    "Violet enemy", "Indigo enemy", "Blue enemy", "Green enemy", "Yellow enemy", "Orange enemy", "Red enemy"};
constexpr std::array<const char *, GameRules::ColourCount> SkillNames = {
    "Violet skill", "Indigo skill", "Blue skill", "Green skill", "Yellow skill", "Orange skill", "Red skill"};

QString mapName(const char *source)
{
    return QCoreApplication::translate("frmMainGameWindow", source);
}

// The better of two records: more points earned, then the newer.
bool better(const FallenHistory::Record &a, const FallenHistory::Record &b)
{
    if (a.earned.has_value() != b.earned.has_value())
        return a.earned.has_value();
    if (a.earned && *a.earned != *b.earned)
        return *a.earned > *b.earned;
    return a.died > b.died;
}

} // namespace

HallModel::HallModel(QList<FallenHistory::Record> records, QObject *parent)
    : QAbstractTableModel(parent)
    , m_records(std::move(records))
{
    std::stable_sort(m_records.begin(), m_records.end(), better);
    for (int row = 0; row < m_records.size(); ++row) {
        if (m_newest < 0 || m_records[row].died > m_records[m_newest].died)
            m_newest = row;
    }
}

int HallModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int HallModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString HallModel::shown(double number)
{
    return Language::numbers().toString(number, 'g', 15);
}

QString HallModel::shown(const QString &caption)
{
    const std::optional<double> number = CaptionNumber::tryParse(caption);
    return number ? shown(*number) : caption;
}

QString HallModel::shownDate(const QDateTime &moment)
{
    //: The date and time of a death, as a date format of Qt: d the day, MMMM the month's name, yyyy the year,
    //: HH:mm the time; quote other letters ('de'). The month's name keeps the date from reading two ways.
    const QString format = tr("d MMMM yyyy, HH:mm");
    const QLocale language = Language::current().isEmpty() ? QLocale(QLocale::English) : QLocale(Language::current());
    QString date = language.toString(moment.toLocalTime(), format);
    // The month's name in the language, its numbers in the digits the
    // captions use.
    for (QChar &c : date) {
        if (c.isDigit())
            c = QChar(u'0' + c.digitValue());
    }
    // In a language written right to left the date keeps its own order.
    return Language::rightToLeft() ? QStringLiteral("\u2068%1\u2069").arg(date) : date;
}

QString HallModel::text(const FallenHistory::Record &record, int column) const
{
    switch (column) {
    case Date:
        if (&record == &m_records[m_newest])
            //: The date of the newest record in the hall of the fallen; %1 is the date and time.
            return tr("%1 (newest)").arg(shownDate(record.died));
        return shownDate(record.died);
    case Points:
        return record.earned ? shown(*record.earned) : QString();
    case Strength:
    case Dexterity:
    case Wisdom:
    case Health:
    case Magic:
        return shown(record.statistics[column - Strength]);
    case HighestSkill: {
        const int skill = record.highestSkill();
        if (skill < 0)
            return QString();
        //: The highest skill of a fallen character: %1 is a skill ("Violet skill"), %2 its level.
        return tr("%1, level %2").arg(mapName(SkillNames[skill]), shown(record.levels[skill]));
    }
    case Killer:
        //: What killed a fallen character: %1 is an enemy ("Red enemy"), %2 its strength.
        return tr("%1, strength %2").arg(mapName(EnemyNames[record.killer]), shown(double(record.strength)));
    default:
        return QString();
    }
}

QVariant HallModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return QVariant();
    const FallenHistory::Record &record = m_records[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(record, index.column());
    case Qt::AccessibleTextRole:
        // A screen reader reading a row says each cell with its column.
        //: A cell of the hall of the fallen as a screen reader says it: %1 the column ("Points earned"), %2 the cell.
        return tr("%1: %2").arg(headerData(index.column(), Qt::Horizontal).toString(), text(record, index.column()));
    case Qt::TextAlignmentRole:
        if (index.column() >= Points && index.column() <= Magic)
            return int(Qt::AlignTrailing | Qt::AlignVCenter);
        return int(Qt::AlignLeading | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() == m_newest) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant HallModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    //: Column headings of the hall of the fallen.
    case Date:
        return tr("Died");
    case Points:
        return tr("Points earned");
    case Strength:
        return tr("Strength");
    case Dexterity:
        return tr("Dexterity");
    case Wisdom:
        return tr("Wisdom");
    case Health:
        return tr("Health");
    case Magic:
        return tr("Magic");
    case HighestSkill:
        return tr("Highest skill");
    case Killer:
        return tr("Killed by");
    default:
        return QVariant();
    }
}

QString HallModel::wholeRecord(const FallenHistory::Record &record)
{
    QStringList levels;
    for (const QString &level : record.levels)
        levels << shown(level);
    const QString lines = record.lastLines.isEmpty() ? tr("(none)") : record.lastLines.join(QLatin1Char('\n'));
    //: The whole record of a fallen character, as the hall shows and copies it. %1 the date and time of death,
    //: %2 the enemy ("Red enemy, strength 12"), %3 the points earned, %4 the unspent points, %5 to %9 Strength,
    //: Dexterity, Wisdom, Health and Magic, %10 to %16 the skill levels violet to red, %17 the archive's file
    //: name, %18 the battle's last lines, one a line.
    // One pass over all places, so that a value holding "%1" stays as it is.
    return tr("Died %1, killed by %2.\n"
              "Points earned: %3 (unspent: %4).\n"
              "Strength %5, Dexterity %6, Wisdom %7, Health %8, Magic %9.\n"
              "Skill levels: violet %10, indigo %11, blue %12, green %13, yellow %14, orange %15, red %16.\n"
              "Archive: %17\n"
              "\n"
              "The battle's last lines:\n"
              "%18")
        .arg(shownDate(record.died),
             tr("%1, strength %2").arg(mapName(EnemyNames[record.killer]), shown(double(record.strength))),
             record.earned ? shown(*record.earned) : tr("unknown"), shown(record.points), shown(record.statistics[0]),
             shown(record.statistics[1]), shown(record.statistics[2]), shown(record.statistics[3]),
             shown(record.statistics[4]), levels[0], levels[1], levels[2], levels[3], levels[4], levels[5], levels[6],
             record.archive, lines);
}
