#include "testsupport.h"

#include "map/frmmaingamewindow.h"
#include "system/beep.h"

#include <QTest>
#include <QTimer>

// Spending points with the five "+" buttons of the statistics panel.
class tst_MapPlayPoints : public QObject
{
    Q_OBJECT

private slots:
    void plusRaisesItsStatistic_data();
    void plusRaisesItsStatistic();
    void unreadableCaptionChangesNothing_data();
    void unreadableCaptionChangesNothing();
    void buttonsGoWithTheLastPoint_data();
    void buttonsGoWithTheLastPoint();
};

namespace {

// The eight captions of the statistics panel, in the order of the file:
// ST, DX, WS, HPc, HPm, MPc, MPm, pts.
const QStringList Keys{"ST=", "DX=", "WS=", "HPc=", "HPm=", "MPc=", "MPm=", "pts="};

QStringList characterLines(const QStringList &values)
{
    QStringList lines = Sandbox::defaultLines();
    for (int i = 0; i < Keys.size(); ++i)
        lines[i] = Keys[i] + values[i];
    return lines;
}

QStringList captions(const frmMainGameWindow *map)
{
    return {map->controls().lbl_ST_val->text(), map->controls().lbl_DX_val->text(),
            map->controls().lbl_WS_val->text(), map->controls().lbl_HP_val->text(),
            map->controls().lbl_HP_max->text(), map->controls().lbl_MP_val->text(),
            map->controls().lbl_MP_max->text(), map->controls().lbl_Points_val->text()};
}

// The values of the first eight lines of the saved character file.
QStringList savedValues(const Sandbox &sandbox)
{
    const QList<QByteArray> lines = sandbox.read("Character.chx").split('\n');
    QStringList values;
    for (int i = 0; i < Keys.size() && i < lines.size(); ++i)
        values << QString::fromLatin1(lines[i].trimmed()).mid(Keys[i].size());
    return values;
}

QList<QPushButton *> plusButtons(const frmMainGameWindow *map)
{
    return {control<QPushButton>(map, "cmd_ST_gain"), control<QPushButton>(map, "cmd_DX_gain"),
            control<QPushButton>(map, "cmd_WS_gain"), control<QPushButton>(map, "cmd_HP_gain"),
            control<QPushButton>(map, "cmd_MP_gain")};
}

// 1 when all five buttons are shown, 0 when all are hidden, -1 for a mix.
int buttonsShown(const frmMainGameWindow *map)
{
    int shown = 0;
    for (const QPushButton *button : plusButtons(map))
        shown += button->isHidden() ? 0 : 1;
    return shown == 5 ? 1 : shown == 0 ? 0 : -1;
}

QPushButton *button(const frmMainGameWindow *map, const QString &name)
{
    return map->findChild<QPushButton *>(name);
}

} // namespace

// One click raises its statistic by one (Health and Magic: maximum and
// current) and costs one point; the sums are not rounded, and the five
// buttons stay while whole points remain. The new captions are what the
// character file receives.
void tst_MapPlayPoints::plusRaisesItsStatistic_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("buttonsStay");

    const QStringList d{"10", "10", "10", "10", "10", "10", "10"};
    const auto with = [&](int field, const QString &value, const QString &points) {
        QStringList v = d;
        v[field] = value;
        return v << points;
    };
    QTest::newRow("strength with the last point")
        << "cmd_ST_gain" << (d + QStringList{"1"}) << QStringList{"11", "10", "10", "10", "10", "10", "10", "0"}
        << false;
    QTest::newRow("health 7 of 10 with 3 points")
        << "cmd_HP_gain" << QStringList{"10", "10", "10", "7", "10", "10", "10", "3"}
        << QStringList{"10", "10", "10", "8", "11", "10", "10", "2"} << true;
    QTest::newRow("dexterity") << "cmd_DX_gain" << (d + QStringList{"5"})
                               << QStringList{"10", "11", "10", "10", "10", "10", "10", "4"} << true;
    QTest::newRow("wisdom") << "cmd_WS_gain" << (d + QStringList{"2"})
                            << QStringList{"10", "10", "11", "10", "10", "10", "10", "1"} << true;
    QTest::newRow("magic 4 of 12") << "cmd_MP_gain" << QStringList{"10", "10", "10", "10", "10", "4", "12", "2"}
                                   << QStringList{"10", "10", "10", "10", "10", "5", "13", "1"} << true;
    QTest::newRow("half a strength") << "cmd_ST_gain" << with(0, "2.5", "4")
                                     << QStringList{"3.5", "10", "10", "10", "10", "10", "10", "3"} << true;
    QTest::newRow("negative dexterity") << "cmd_DX_gain" << with(1, "-3", "4")
                                        << QStringList{"10", "-2", "10", "10", "10", "10", "10", "3"} << true;
    QTest::newRow("huge wisdom") << "cmd_WS_gain" << with(2, "1e300", "4")
                                 << QStringList{"10", "10", "1E+300", "10", "10", "10", "10", "3"} << true;
    QTest::newRow("half a magic") << "cmd_MP_gain" << QStringList{"10", "10", "10", "10", "10", "2.5", "10.5", "3"}
                                  << QStringList{"10", "10", "10", "10", "10", "3.5", "11.5", "2"} << true;
    QTest::newRow("points loaded rounded down") << "cmd_ST_gain" << (d + QStringList{"2.9"})
                                                << QStringList{"11", "10", "10", "10", "10", "10", "10", "1"} << true;
    QTest::newRow("huge points") << "cmd_DX_gain" << (d + QStringList{"1e300"})
                                 << QStringList{"10", "11", "10", "10", "10", "10", "10", "1E+300"} << true;
    QTest::newRow("beside a damaged strength") << "cmd_DX_gain" << with(0, "12abc", "3")
                                               << QStringList{"12abc", "11", "10", "10", "10", "10", "10", "2"} << true;
    QTest::newRow("health beside damaged magic")
        << "cmd_HP_gain" << with(5, "much", "3") << QStringList{"10", "10", "10", "11", "11", "much", "10", "2"}
        << true;
}

void tst_MapPlayPoints::plusRaisesItsStatistic()
{
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, buttonsStay);

    Sandbox sandbox;
    sandbox.writeCharacter(characterLines(before));
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();
    QCOMPARE(buttonsShown(map), 1);

    ::button(map, button)->click();

    QCOMPARE(captions(map), after);
    QCOMPARE(buttonsShown(map), buttonsStay ? 1 : 0);
    QCOMPARE(Beep::count(), 0);
    sandbox.close(map);
    QCOMPARE(savedValues(sandbox), after);
}

// A click whose statistic or points caption does not read as a number
// changes no caption at all, not even the ones that do read, beeps once
// and shows no message; the captions are saved back as they were.
void tst_MapPlayPoints::unreadableCaptionChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("strength with letters")
        << "cmd_ST_gain" << QStringList{"12abc", "10", "10", "10", "10", "10", "10", "3"};
    QTest::newRow("empty dexterity") << "cmd_DX_gain" << QStringList{"10", "", "10", "10", "10", "10", "10", "3"};
    QTest::newRow("wisdom with a comma") << "cmd_WS_gain"
                                         << QStringList{"10", "10", "1,5", "10", "10", "10", "10", "3"};
    QTest::newRow("current health only") << "cmd_HP_gain"
                                         << QStringList{"10", "10", "10", "lots", "10", "10", "10", "3"};
    QTest::newRow("health maximum only") << "cmd_HP_gain" << QStringList{"10", "10", "10", "10", "x", "10", "10", "3"};
    QTest::newRow("magic beyond any number")
        << "cmd_MP_gain" << QStringList{"10", "10", "10", "10", "10", "1e999", "10", "3"};
    QTest::newRow("magic maximum only") << "cmd_MP_gain" << QStringList{"10", "10", "10", "10", "10", "10", "ten", "3"};
    QTest::newRow("points") << "cmd_ST_gain" << QStringList{"10", "10", "10", "10", "10", "10", "10", "some"};
}

void tst_MapPlayPoints::unreadableCaptionChangesNothing()
{
    QFETCH(QString, button);
    QFETCH(QStringList, captions);

    Sandbox sandbox;
    // The file cannot carry a points value that is not a number, so the
    // points caption is spoilt after loading.
    QStringList loaded = captions;
    loaded[7] = "3";
    sandbox.writeCharacter(characterLines(loaded));
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();
    map->controls().lbl_Points_val->setText(captions[7]);

    ::button(map, button)->click();

    QCOMPARE(::captions(map), captions);
    QCOMPARE(buttonsShown(map), 1);
    QCOMPARE(Beep::count(), 1);
    QCOMPARE(sandbox.messages, QStringList());
    QCOMPARE(sandbox.ends, QList<int>());
    sandbox.close(map);
    QCOMPARE(savedValues(sandbox), captions);
}

// Clicks spend the points one by one; the click that spends the last
// whole point hides all five buttons, whichever button it was.
void tst_MapPlayPoints::buttonsGoWithTheLastPoint_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("pointsAfter");
    QTest::addColumn<QList<int>>("shownAfter");

    QTest::newRow("three on strength") << "3" << QStringList{"cmd_ST_gain", "cmd_ST_gain", "cmd_ST_gain"}
                                       << QStringList{"2", "1", "0"} << QList<int>{1, 1, 0};
    QTest::newRow("one each, wisdom last")
        << "2" << QStringList{"cmd_HP_gain", "cmd_WS_gain"} << QStringList{"1", "0"} << QList<int>{1, 0};
    QTest::newRow("magic last") << "1" << QStringList{"cmd_MP_gain"} << QStringList{"0"} << QList<int>{0};
}

void tst_MapPlayPoints::buttonsGoWithTheLastPoint()
{
    QFETCH(QString, points);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, pointsAfter);
    QFETCH(QList<int>, shownAfter);

    Sandbox sandbox;
    QStringList lines = Sandbox::defaultLines();
    lines[7] = "pts=" + points;
    sandbox.writeCharacter(lines);
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();

    for (int i = 0; i < clicks.size(); ++i) {
        button(map, clicks[i])->click();
        QCOMPARE(map->controls().lbl_Points_val->text(), pointsAfter[i]);
        QCOMPARE(buttonsShown(map), shownAfter[i]);
    }
}

QTEST_MAIN(tst_MapPlayPoints)

#include "points.moc"
