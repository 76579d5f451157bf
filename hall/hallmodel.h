#pragma once

// The hall of the fallen's table: the history's records, best first by
// the points earned in their life (a record whose points cannot be told
// last; among equals the newer first), one row each, with the date, the
// points, the five statistics, the highest skill and what killed them;
// the newest record is marked. Dates and numbers are written as the
// player's language writes them. Made once for an opening of the hall
// from the records read then; it never changes after.

#include "logic/fallenhistory.h"

#include <QAbstractTableModel>

class HallModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Points, Strength, Dexterity, Wisdom, Health, Magic, HighestSkill, Killer, ColumnCount };

    explicit HallModel(QList<FallenHistory::Record> records, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const FallenHistory::Record &record(int row) const { return m_records[row]; }
    // The row of the newest record, or -1 with none.
    int newestRow() const { return m_newest; }

    // The whole record as readable text in the player's language, the
    // battle's last lines at its end: what the hall shows and copies.
    static QString wholeRecord(const FallenHistory::Record &record);
    // A number or a caption as the player's language writes it; a caption
    // that is not a number stays as it is.
    static QString shown(const QString &caption);
    static QString shown(double number);
    static QString shownDate(const QDateTime &moment);

private:
    QString text(const FallenHistory::Record &record, int column) const;

    QList<FallenHistory::Record> m_records;
    int m_newest = -1;
};
