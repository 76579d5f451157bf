#include "testsupport.h"

#include "hall/hallmodel.h"
#include "hall/hallwindow.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/language.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTest>

namespace {

// Records named by their place in the history ("0", "1", …), each a minute
// newer than the one before; `earned` a number each, "?" for points that
// cannot be told.
QList<FallenHistory::Record> recordsEarning(const QStringList &earned)
{
    QList<FallenHistory::Record> records;
    const QDateTime first(QDate(2026, 12, 9), QTime(18, 0));
    for (int i = 0; i < earned.size(); ++i) {
        FallenHistory::Record record;
        record.archive = QString::number(i);
        record.died = first.addSecs(60 * i);
        if (earned[i] != QLatin1String("?"))
            record.earned = earned[i].toDouble();
        records.append(record);
    }
    return records;
}

} // namespace

// The hall of the fallen: the order of its rows, what a row shows, and the
// window over the title and the map.
class tst_Hall : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void highestSkill_data();
    void highestSkill();
    void opensOver_data();
    void opensOver();
    void keysTellTheRows_data();
    void keysTellTheRows();
    void datesReadOneWay_data();
    void datesReadOneWay();
    void enterClosesOnlyOnTheButton_data();
    void enterClosesOnlyOnTheButton();
};

void tst_Hall::order_data()
{
    QTest::addColumn<QStringList>("earned");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("newestRow");
    QTest::newRow("more points first") << QStringList{"12", "50", "16"} << QStringList{"1", "2", "0"} << 1;
    QTest::newRow("equal points: the newer first") << QStringList{"16", "16"} << QStringList{"1", "0"} << 0;
    QTest::newRow("points unknown: after every known, negative included")
        << QStringList{"?", "-3", "5"} << QStringList{"2", "1", "0"} << 0;
    QTest::newRow("the newest marked wherever it sorts")
        << QStringList{"50", "12", "30"} << QStringList{"0", "2", "1"} << 1;
    QTest::newRow("nobody") << QStringList{} << QStringList{} << -1;
}

void tst_Hall::order()
{
    QFETCH(QStringList, earned);
    QFETCH(QStringList, rows);
    QFETCH(int, newestRow);
    const HallModel model(recordsEarning(earned));
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.record(row).archive;
    QCOMPARE(shown, rows);
    QCOMPARE(model.newestRow(), newestRow);
}

void tst_Hall::highestSkill_data()
{
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<int>("colour");
    QTest::newRow("the highest level") << QStringList{"1", "1", "2", "5", "1", "1", "4"} << int(GameRules::Green);
    QTest::newRow("a tie goes to the stronger colour")
        << QStringList{"1", "3", "1", "1", "1", "1", "3"} << int(GameRules::Indigo);
    QTest::newRow("a level that is not a number is passed over")
        << QStringList{"9x", "1", "1", "1", "1", "1", "2"} << int(GameRules::Red);
    QTest::newRow("no level a number: none") << QStringList{"a", "b", "", "d", "e", "f", "g"} << -1;
}

void tst_Hall::highestSkill()
{
    QFETCH(QStringList, levels);
    QFETCH(int, colour);
    FallenHistory::Record record;
    std::copy(levels.cbegin(), levels.cend(), record.levels.begin());
    QCOMPARE(record.highestSkill(), colour);
}

void tst_Hall::opensOver_data()
{
    QTest::addColumn<bool>("overTheMap");
    QTest::addColumn<bool>("fallen");
    QTest::newRow("title") << false << true;
    QTest::newRow("map") << true << true;
    QTest::newRow("title, none fallen yet") << false << false;
}

// F3 opens the hall over the title and the map with the enemy clock held:
// the best first, the newest marked, a Down moves to the next at once,
// Enter shows the whole record and Ctrl+C copies it; Escape closes it and
// the window under it has its focus back. With nobody fallen a sentence
// says so.
void tst_Hall::opensOver()
{
    QFETCH(bool, overTheMap);
    QFETCH(bool, fallen);
    Sandbox sandbox;
    if (fallen)
        writeThreeFallen();
    std::unique_ptr<frmSplash> title;
    QWidget *shown = nullptr;
    if (overTheMap) {
        shown = sandbox.openMap();
        shown->show();
        clockOf(shown)->start();
    } else {
        title = std::make_unique<frmSplash>();
        title->show();
        shown = title.get();
    }
    QVERIFY(QTest::qWaitForWindowActive(shown));
    auto *clock = shown->findChild<QProgressBar *>(QStringLiteral("prog_MoveTime"));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    bool looked = false;
    const bool opened = hallOpensOn(
        [&] { QTest::keyClick(focus, Qt::Key_F3); },
        [&](HallWindow &hall) {
            looked = true;
            QVERIFY(modGameLogicCode::EnemiesPaused);
            if (clock) {
                const int before = clock->value();
                QTest::qWait(200);
                QCOMPARE(clock->value(), before);
            }
            if (!fallen) {
                QCOMPARE(control<QLabel>(&hall, "hallSummary")->text(), HallWindow::tr("No character has fallen yet."));
                QCOMPARE(hallModel(&hall)->rowCount(), 0);
                return;
            }
            QTRY_COMPARE(QApplication::focusWidget(), hallTable(&hall));
            QCOMPARE(hallModel(&hall)->rowCount(), 3);
            const auto cell = [&](int row, int column) {
                return hallModel(&hall)->index(row, column).data().toString();
            };
            QCOMPARE(cell(0, HallModel::Points), QStringLiteral("50"));
            QCOMPARE(cell(1, HallModel::Points), QStringLiteral("16"));
            QCOMPARE(cell(2, HallModel::Points), QStringLiteral("12"));
            QCOMPARE(hallModel(&hall)->newestRow(), 2);
            QVERIFY(cell(2, HallModel::Date) != HallModel::shownDate(hallModel(&hall)->record(2).died));
            QCOMPARE(cell(0, HallModel::Date), HallModel::shownDate(hallModel(&hall)->record(0).died));
            QCOMPARE(hallTable(&hall)->currentIndex().row(), 0);
            QTest::keyClick(hallTable(&hall), Qt::Key_Down);
            QCOMPARE(hallTable(&hall)->currentIndex().row(), 1);
            QVERIFY(control<QPlainTextEdit>(&hall, "hallRecord")->isHidden());
            QTest::keyClick(hallTable(&hall), Qt::Key_Return);
            QVERIFY(hall.isVisible());
            QVERIFY(!control<QPlainTextEdit>(&hall, "hallRecord")->isHidden());
            const QString record = control<QPlainTextEdit>(&hall, "hallRecord")->toPlainText();
            QVERIFY2(record.contains(QStringLiteral("Points earned: 16")), qPrintable(record));
            QVERIFY2(record.endsWith(QStringLiteral("You miss by -2\nEnemy hits you by +4 and it inflicts 7 damage.")),
                     qPrintable(record));
            QTest::keyClick(hallTable(&hall), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), record);
        });
    QVERIFY(opened);
    QVERIFY(looked);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!modGameLogicCode::EnemiesPaused);
    QTRY_COMPARE(QApplication::focusWidget(), focus);
    if (!overTheMap)
        QVERIFY(!shownMap());
}

// Up and Down go from row to row, which a reader tells; Home and End go to
// the first and the last row, in the same column; a key that cannot go
// further tells the row it stays on, as does the hall as it opens; Return
// tells the whole record, its battle's last lines at its end. Each told
// line is given here by its first sentence.
void tst_Hall::keysTellTheRows_data()
{
    QTest::addColumn<int>("from"); // -1: as the hall opens
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("told");
    const QString best = QStringLiteral("Died: 20 November 2026, 09:30");
    const QString newest = QStringLiteral("Died: 1 December 2026, 21:12 (newest)");
    QTest::newRow("opens on the best") << -1 << QList<int>{} << 0 << QStringList{best};
    QTest::newRow("Down: the reader tells the row") << 0 << QList<int>{Qt::Key_Down} << 1 << QStringList{};
    QTest::newRow("Up at the first: told again") << 0 << QList<int>{Qt::Key_Up} << 0 << QStringList{best};
    QTest::newRow("PgUp at the first: told again") << 0 << QList<int>{Qt::Key_PageUp} << 0 << QStringList{best};
    QTest::newRow("Down at the last: told again") << 2 << QList<int>{Qt::Key_Down} << 2 << QStringList{newest};
    QTest::newRow("End: the last") << 0 << QList<int>{Qt::Key_End} << 2 << QStringList{};
    QTest::newRow("Home: the first") << 2 << QList<int>{Qt::Key_Home} << 0 << QStringList{};
    QTest::newRow("Home at the first: told again") << 0 << QList<int>{Qt::Key_Home} << 0 << QStringList{best};
    QTest::newRow("Return: the whole record")
        << 0 << QList<int>{Qt::Key_Return} << 0
        << QStringList{"Died 20 November 2026, 09:30, killed by Indigo enemy, strength 144"};
}

void tst_Hall::keysTellTheRows()
{
    QFETCH(int, from);
    QFETCH(QList<int>, keys);
    QFETCH(int, to);
    QFETCH(QStringList, told);
    Sandbox sandbox;
    writeThreeFallen();
    ReaderListening reader;
    HallWindow hall(nullptr);
    hall.show();
    QVERIFY(QTest::qWaitForWindowActive(&hall));
    QTableView *table = hallTable(&hall);
    QTRY_VERIFY(!reader.lines().isEmpty());
    if (from >= 0) {
        // In the middle of the row: Home and End keep the column.
        table->setCurrentIndex(hallModel(&hall)->index(from, HallModel::Wisdom));
        reader.forget();
    }
    for (int key : keys)
        QTest::keyClick(table, Qt::Key(key));
    QCOMPARE(table->currentIndex().row(), to);
    QCOMPARE(table->currentIndex().column(), from >= 0 ? int(HallModel::Wisdom) : 0);
    QStringList first;
    for (const QString &line : reader.lines())
        first << line.section(QStringLiteral(". "), 0, 0);
    QCOMPARE(first, told);
    if (keys.contains(Qt::Key_Return))
        QVERIFY(reader.lines().constLast().endsWith(QStringLiteral(
            "The battle's last lines: You miss by -2. Enemy hits you by +4 and it inflicts 36 damage.")));
}

// Enter on the table shows a record; on the Close button (where the focus
// is when nobody has fallen yet) it closes the hall, as Space does and as
// a controller's A, which sends Enter, must.
void tst_Hall::enterClosesOnlyOnTheButton_data()
{
    QTest::addColumn<bool>("fallen");
    QTest::addColumn<bool>("onButton");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Return on the table: a record") << true << false << int(Qt::Key_Return) << false;
    QTest::newRow("Return on Close") << true << true << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on Close") << true << true << int(Qt::Key_Enter) << true;
    QTest::newRow("Space on Close") << true << true << int(Qt::Key_Space) << true;
    QTest::newRow("none fallen: Return where the focus is") << false << false << int(Qt::Key_Return) << true;
}

void tst_Hall::enterClosesOnlyOnTheButton()
{
    QFETCH(bool, fallen);
    QFETCH(bool, onButton);
    QFETCH(int, key);
    QFETCH(bool, closes);
    Sandbox sandbox;
    if (fallen)
        writeThreeFallen();
    HallWindow hall(nullptr);
    hall.show();
    QVERIFY(QTest::qWaitForWindowActive(&hall));
    auto *close = control<QDialogButtonBox>(&hall, "hallButtons")->button(QDialogButtonBox::Close);
    if (onButton)
        close->setFocus();
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTRY_COMPARE(hall.isVisible(), !closes);
}

// A date in the hall reads one way only, whatever the language: the
// month by its name, the time on the 24-hour clock, the digits those of
// the captions.
void tst_Hall::datesReadOneWay_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("date");
    const struct
    {
        const char *language, *date;
    } rows[] = {
        {"", "1 December 2026, 21:12"},
        {"de", "1. Dezember 2026, 21:12"},
        {"fr", "1 décembre 2026, 21:12"},
        {"es", "1 de diciembre de 2026, 21:12"},
        {"it", "1 dicembre 2026, 21:12"},
        {"pt_BR", "1 de dezembro de 2026, 21:12"},
        {"pl", "1 grudnia 2026, 21:12"},
        {"ru", "1 декабря 2026, 21:12"},
        {"ja", "2026年12月1日 21:12"},
        {"zh_CN", "2026年12月1日 21:12"},
        {"ar", "\u20681 ديسمبر 2026، 21:12\u2069"},
    };
    for (const auto &row : rows)
        QTest::newRow(*row.language ? row.language : "en") << row.language << QString::fromUtf8(row.date);
}

void tst_Hall::datesReadOneWay()
{
    QFETCH(QString, language);
    QFETCH(QString, date);
    if (!language.isEmpty())
        QCOMPARE(Language::install({language}), language);
    const QString shown = HallModel::shownDate(QDateTime(QDate(2026, 12, 1), QTime(21, 12, 7)));
    Language::clear();
    QCOMPARE(shown, date);
}

QTEST_MAIN(tst_Hall)
#include "tst_hall.moc"
