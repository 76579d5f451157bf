#include "testsupport.h"

#include "hall/hallmodel.h"
#include "hall/hallwindow.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QClipboard>
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
    QTest::newRow("the newest marked wherever it sorts") << QStringList{"50", "12", "30"} << QStringList{"0", "2", "1"}
                                                         << 1;
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

QTEST_MAIN(tst_Hall)
#include "tst_hall.moc"
