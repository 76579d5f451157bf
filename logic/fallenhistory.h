#pragma once

// The history of the fallen: one record of every character that died,
// kept in "Fallen.tsv" beside the character file. Functions, no object:
// the format works on values; read() and append() touch the file (read()
// also clears away a rewrite that a killed program left unfinished).
//
// The file is UTF-8 text. Its first line is the header, the column names
// joined by tabs; then one line per record, its 19 fields joined by tabs
// in the header's order, each line ended by LF:
//
//   died       the moment of death, ISO 8601 with its offset from UTC
//              (2026-12-06T23:55:11+01:00)
//   archive    the archive's file name (Dead_23.55.11_06.12.2026.txt)
//   ST DX WS HPm MPm pts
//              Strength, Dexterity, Wisdom, the Health and Magic maxima
//              and the unspent points, as the map showed them
//   V I B G Y O R
//              the seven skill levels, violet to red
//   earned     the points earned in that life: the rises of the five
//              statistics above the default character's, plus the unspent
//              points; empty when a statistic is not a number
//   killer     the colour that won, in lower-case English (violet … red)
//   strength   that enemy's strength
//   lines      the battle's last lines as its window showed them
//
// In a field a backslash is written "\\", a tab "\t", a line feed "\n"
// and a carriage return "\r"; the lines of the last field are joined by
// line feeds. A line that does not read as a record is skipped and
// counted; nothing the reader meets stops it. Appending replaces the
// whole file as the character file is saved (SafeFile), keeping every
// earlier line byte for byte, the unreadable ones too.

#include "logic/gamerules.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace FallenHistory {

inline constexpr int StatisticCount = 5;

struct Record
{
    QDateTime died;
    QString archive;
    // Strength, Dexterity, Wisdom, Health and Magic maxima.
    std::array<QString, StatisticCount> statistics;
    QString points;
    // Violet to red, as the character file writes them.
    std::array<QString, GameRules::ColourCount> levels;
    std::optional<double> earned;
    // The enemy's colour group (GameRules::Colour) and strength.
    int killer = GameRules::Violet;
    int strength = 0;
    // One entry per line.
    QStringList lastLines;

    bool operator==(const Record &other) const = default;
    // The highest skill's colour group; the stronger colour wins a tie.
    int highestSkill() const;
};

struct Contents
{
    QList<Record> records;
    // Lines that did not read as a record.
    qsizetype skipped = 0;
};

// The history's file, beside the character file.
QString path();

// The points earned, or nothing when a value is not a number.
std::optional<double> earned(const std::array<QString, StatisticCount> &statistics, const QString &points);

// The header line, then the record's line, each ended by LF.
QByteArray header();
QByteArray line(const Record &record);

// Every record of a history file's content, in the file's order.
Contents parse(const QByteArray &bytes);

// The history file read whole, once the ".saving" file an interrupted
// append left is removed; a file that cannot be read (too large, a
// folder, a pipe) gives its GameError code and description, a missing
// file no records and no failure.
struct Reading
{
    Contents contents;
    std::optional<int> failureCode;
    QString failure;
};
Reading read(const QString &file = path());

// Adds the record at the end of the history file. Returns false, having
// changed nothing, when the old history cannot be read whole or the new
// one cannot be written.
bool append(const Record &record);

// Far beyond 100,000 records; a larger file is not read.
inline constexpr qint64 MaxBytes = 256LL * 1024 * 1024;

} // namespace FallenHistory
