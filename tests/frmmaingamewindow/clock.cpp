#include "testsupport.h"

#include "help/helpwindow.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/randomsource.h"

#include <QTest>
#include <QTimer>
#include <optional>

// The enemy clock: the bar, healing in the healing row, and the enemy
// phase with scripted random draws.
class tst_MapPlayClock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clockRunsFromTheStart();
    void hundredthTickRunsThePhase();
    void pausedTicksDoNothingAndTheBarResumes();
    void helpHoldsTheClock_data();
    void helpHoldsTheClock();
    void healingInTheHealingRow_data();
    void healingInTheHealingRow();
    void aStepMovesTheMarker_data();
    void aStepMovesTheMarker();
    void occupiedSquares_data();
    void occupiedSquares();
    void returnChance_data();
    void returnChance();
    void fortyTwoDrawsInOrder_data();
    void fortyTwoDrawsInOrder();

private:
    void openMap(const QStringList &lines = Sandbox::defaultLines());
    // One phase: the tick that fills the bar, with these draws scripted.
    void runPhase(const QList<float> &draws);

    Sandbox *m_sandbox = nullptr;
    frmMainGameWindow *m_map = nullptr;
};

namespace {

// Draws that keep an enemy still and hidden: r = 6, and y above 1/3.
constexpr float Stay = 0.05f;
constexpr float NoReturn = 0.9f;
// Draws by direction, each well inside its range of r.
constexpr float Up = 0.13f; // r = 14
constexpr float Down = 0.18f; // r = 19
constexpr float Left = 0.40f; // r = 41
constexpr float Right = 0.80f; // r = 81

struct Square
{
    float left, top;
};

// 42 draws: every enemy stays and does not return, except `mover`,
// which draws `direction` and `back`.
QList<float> draws(int mover = -1, float direction = Stay, float back = NoReturn)
{
    QList<float> list;
    for (int i = 0; i < 21; ++i)
        list << (i == mover ? direction : Stay) << (i == mover ? back : NoReturn);
    return list;
}

} // namespace

void tst_MapPlayClock::init()
{
    m_sandbox = new Sandbox;
}

void tst_MapPlayClock::cleanup()
{
    delete m_sandbox;
    m_sandbox = nullptr;
    m_map = nullptr;
}

void tst_MapPlayClock::openMap(const QStringList &lines)
{
    m_sandbox->writeCharacter(lines);
    m_map = m_sandbox->openMap();
    clockOf(m_map)->stop();
}

void tst_MapPlayClock::runPhase(const QList<float> &list)
{
    RandomSource::script(list);
    runEnemyPhase(m_map);
    QCOMPARE(control<QProgressBar>(m_map, "prog_MoveTime")->value(), 0);
    QCOMPARE(RandomSource::scriptRemaining(), 0);
    QCOMPARE(RandomSource::overruns(), 0);
}

// The clock runs from the start, and its ticks advance the bar (its period
// is the bench's to measure).
void tst_MapPlayClock::clockRunsFromTheStart()
{
    m_sandbox->writeCharacter(Sandbox::defaultLines());
    m_map = m_sandbox->openMap();
    QVERIFY(clockOf(m_map)->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(control<QProgressBar>(m_map, "prog_MoveTime")->value() >= 3, 2000);
}

// Ticks 1 to 99 only count; the 100th empties the bar, re-seeds once and
// runs one phase of 42 draws, and counting starts again from 0.
void tst_MapPlayClock::hundredthTickRunsThePhase()
{
    openMap();
    QCOMPARE(control<QProgressBar>(m_map, "prog_MoveTime")->value(), 0);
    for (int tick = 1; tick < 100; ++tick) {
        ::tick(m_map);
        QCOMPARE(control<QProgressBar>(m_map, "prog_MoveTime")->value(), tick);
    }
    QCOMPARE(RandomSource::draws(), 0);
    QCOMPARE(RandomSource::reseeds(), 0);

    ::tick(m_map);
    QCOMPARE(control<QProgressBar>(m_map, "prog_MoveTime")->value(), 0);
    QCOMPARE(RandomSource::draws(), 42);
    QCOMPARE(RandomSource::reseeds(), 1);

    for (int tick = 1; tick <= 100; ++tick)
        ::tick(m_map);
    QCOMPARE(RandomSource::draws(), 84);
    QCOMPARE(RandomSource::reseeds(), 2);
}

// While the enemies are paused a tick does nothing at all; afterwards the
// bar counts on from where it stood.
void tst_MapPlayClock::pausedTicksDoNothingAndTheBarResumes()
{
    QStringList lines = Sandbox::defaultLines();
    lines[3] = "HPc=3";
    lines[5] = "MPc=3";
    openMap(lines);
    for (int tick = 0; tick < 40; ++tick)
        ::tick(m_map);
    QList<Square> before;
    for (const PictureBox *enemy : m_map->controls().pic_Enemy)
        before.append({enemy->left(), enemy->top()});

    modGameLogicCode::EnemiesPaused = true;
    for (int tick = 0; tick < 250; ++tick)
        ::tick(m_map);
    QCOMPARE(control<QProgressBar>(m_map, "prog_MoveTime")->value(), 40);
    QCOMPARE(RandomSource::draws(), 0);
    QCOMPARE(RandomSource::reseeds(), 0);
    QCOMPARE(m_map->controls().lbl_HP_val->text(), "3");
    for (int i = 0; i < 21; ++i) {
        QCOMPARE(m_map->controls().pic_Enemy[i]->left(), before[i].left);
        QCOMPARE(m_map->controls().pic_Enemy[i]->top(), before[i].top);
    }

    modGameLogicCode::EnemiesPaused = false;
    for (int tick = 41; tick < 100; ++tick)
        ::tick(m_map);
    QCOMPARE(control<QProgressBar>(m_map, "prog_MoveTime")->value(), 99);
    QCOMPARE(RandomSource::draws(), 0);
    ::tick(m_map);
    QCOMPARE(RandomSource::draws(), 42);
    QCOMPARE(m_map->controls().lbl_HP_val->text(), "4");
}

void tst_MapPlayClock::helpHoldsTheClock_data()
{
    QTest::addColumn<bool>("inBattle");
    QTest::newRow("on the map") << false;
    // Closing the help leaves the clock held for the battle under it.
    QTest::newRow("in a battle") << true;
}

// While the help is open the clock stands still, however many ticks come;
// once it is closed, the clock is as it was before.
void tst_MapPlayClock::helpHoldsTheClock()
{
    QFETCH(bool, inBattle);
    openMap();
    auto *bar = control<QProgressBar>(m_map, "prog_MoveTime");
    for (int tick = 0; tick < 40; ++tick)
        ::tick(m_map);
    std::optional<PausedEnemies> battle;
    if (inBattle)
        battle.emplace();

    int whileOpen = -1;
    QVERIFY(helpOpensOn(control<PictureBox>(m_map, "pic_WorldMap"), Qt::Key_F1, [&](HelpWindow &) {
        for (int tick = 0; tick < 250; ++tick)
            ::tick(m_map);
        whileOpen = bar->value();
    }));
    QCOMPARE(whileOpen, 40);
    QCOMPARE(RandomSource::draws(), 0);
    ::tick(m_map);
    QCOMPARE(bar->value(), inBattle ? 40 : 41);
}

// In the healing row each phase adds a tenth of the maximum, rounded
// down, up to the maximum, and brings a value above it down to it; Health
// and Magic each on their own. Outside the row nothing changes. A caption
// that is not a number is left exactly as it is, silently.
void tst_MapPlayClock::healingInTheHealingRow_data()
{
    QTest::addColumn<float>("playerTop");
    QTest::addColumn<QStringList>("before"); // HPc, HPm, MPc, MPm
    QTest::addColumn<int>("phases");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("3 of 10, one phase") << 344.f << QStringList{"3", "10", "3", "10"} << 1
                                        << QStringList{"4", "10", "4", "10"};
    QTest::newRow("15 of 12 elsewhere") << 328.f << QStringList{"15", "12", "20", "12"} << 3
                                        << QStringList{"15", "12", "20", "12"};
    QTest::newRow("huge maximum") << 344.f << QStringList{"0", "1e300", "1e300", "1e301"} << 1
                                  << QStringList{"1E+299", "1e300", "2E+300", "1e301"};
    QTest::newRow("health not a number") << 344.f << QStringList{"abc", "10", "3", "10"} << 2
                                         << QStringList{"abc", "10", "5", "10"};
    QTest::newRow("magic empty") << 344.f << QStringList{"3", "20", "", "10"} << 2 << QStringList{"7", "20", "", "10"};
    QTest::newRow("magic beyond any number")
        << 344.f << QStringList{"3", "10", "5", "1e999"} << 1 << QStringList{"4", "10", "5", "1e999"};
}

void tst_MapPlayClock::healingInTheHealingRow()
{
    QFETCH(float, playerTop);
    QFETCH(QStringList, before);
    QFETCH(int, phases);
    QFETCH(QStringList, after);

    QStringList lines = Sandbox::defaultLines();
    lines[3] = "HPc=" + before[0];
    lines[4] = "HPm=" + before[1];
    lines[5] = "MPc=" + before[2];
    lines[6] = "MPm=" + before[3];
    openMap(lines);
    m_map->controls().pic_Player->setTop(playerTop);

    for (int phase = 0; phase < phases; ++phase)
        runPhase(draws());

    const QStringList now{m_map->controls().lbl_HP_val->text(), m_map->controls().lbl_HP_max->text(),
                          m_map->controls().lbl_MP_val->text(), m_map->controls().lbl_MP_max->text()};
    QCOMPARE(now, after);
    QCOMPARE(m_sandbox->messages, QStringList());
    m_sandbox->close(m_map);
    const QList<QByteArray> saved = m_sandbox->read("Character.chx").split('\n');
    QCOMPARE(QString::fromLatin1(saved.value(3).trimmed()), "HPc=" + after[0]);
    QCOMPARE(QString::fromLatin1(saved.value(6).trimmed()), "MPm=" + after[3]);
    QCOMPARE(QString::fromLatin1(saved.value(5).trimmed()), "MPc=" + after[2]);
}

// A step moves the marker one square of 16 pixels on screen, and nobody
// else. Enemy 10 stands in open space. (The whole direction table is the
// rules' test.)
void tst_MapPlayClock::aStepMovesTheMarker_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("dx");
    QTest::addColumn<float>("dy");

    QTest::newRow("r 1") << 0.0f << 0.f << 0.f;
    QTest::newRow("r 11") << 0.1001f << 0.f << -16.f;
    QTest::newRow("r 16") << 0.1501f << 0.f << 16.f;
    QTest::newRow("r 21") << 0.2001f << -16.f << 0.f;
    QTest::newRow("r 61") << 0.6001f << 16.f << 0.f;
}

void tst_MapPlayClock::aStepMovesTheMarker()
{
    QFETCH(float, x);
    QFETCH(float, dx);
    QFETCH(float, dy);

    openMap();
    PictureBox *enemy = m_map->controls().pic_Enemy[10];
    QCOMPARE(enemy->left(), 168.f);
    QCOMPARE(enemy->top(), 168.f);
    runPhase(draws(10, x));
    QCOMPARE(enemy->left(), 168.f + dx);
    QCOMPARE(enemy->top(), 168.f + dy);
    QCOMPARE(enemy->pos(),
             control<PictureBox>(m_map, "pic_WorldMap")->interiorOrigin() + QPoint(int(168.f + dx), int(168.f + dy)));
    for (int i = 0; i < 21; ++i) {
        if (i != 10)
            QCOMPARE(m_map->controls().pic_Enemy[i]->top(), 8.f + 16.f * float(i));
    }
}

// A step onto a square that any enemy holds, hidden ones included, is
// lost. Enemies move in index order, each seeing the squares the lower
// ones have just left or taken.
void tst_MapPlayClock::occupiedSquares_data()
{
    QTest::addColumn<QList<float>>("setup"); // index, left, top, shown (0/1), draw; repeated
    QTest::addColumn<QList<float>>("expected"); // index, left, top; repeated

    QTest::newRow("onto a shown enemy to the right")
        << QList<float>{10, 168, 168, 1, Right, 11, 184, 168, 1, Stay} << QList<float>{10, 168, 168, 11, 184, 168};
    QTest::newRow("onto a hidden enemy to the right")
        << QList<float>{10, 168, 168, 1, Right, 11, 184, 168, 0, Stay} << QList<float>{10, 168, 168, 11, 184, 168};
    QTest::newRow("onto a hidden enemy above")
        << QList<float>{10, 168, 168, 1, Up, 20, 168, 152, 0, Stay} << QList<float>{10, 168, 168, 20, 168, 152};
    QTest::newRow("onto a hidden enemy below")
        << QList<float>{10, 168, 168, 1, Down, 0, 168, 184, 0, Stay} << QList<float>{10, 168, 168, 0, 168, 184};
    QTest::newRow("hidden enemy blocked by a shown one")
        << QList<float>{10, 168, 168, 0, Up, 11, 168, 152, 1, Stay} << QList<float>{10, 168, 168, 11, 168, 152};
    QTest::newRow("square just left by a lower index")
        << QList<float>{9, 184, 168, 1, Right, 10, 168, 168, 1, Right} << QList<float>{9, 200, 168, 10, 184, 168};
    QTest::newRow("square just taken by a lower index")
        << QList<float>{9, 152, 168, 1, Right, 10, 184, 168, 1, Left} << QList<float>{9, 168, 168, 10, 184, 168};
    QTest::newRow("square a higher index leaves later")
        << QList<float>{9, 168, 168, 1, Right, 10, 184, 168, 1, Right} << QList<float>{9, 168, 168, 10, 200, 168};
    QTest::newRow("a lower index moves away in time")
        << QList<float>{9, 168, 152, 1, Up, 10, 168, 168, 1, Up} << QList<float>{9, 168, 136, 10, 168, 152};
}

void tst_MapPlayClock::occupiedSquares()
{
    QFETCH(QList<float>, setup);
    QFETCH(QList<float>, expected);

    openMap();
    for (int i = 0; i < 21; ++i)
        place(m_map->controls().pic_Enemy[i], 8.f + 16.f * float(i), 8.f);
    QList<float> list = draws();
    for (qsizetype at = 0; at < setup.size(); at += 5) {
        const int index = int(setup[at]);
        place(m_map->controls().pic_Enemy[index], setup[at + 1], setup[at + 2]);
        m_map->controls().pic_Enemy[index]->setVisible(setup[at + 3] != 0.f);
        list[2 * index] = setup[at + 4];
    }
    runPhase(list);
    for (qsizetype at = 0; at < expected.size(); at += 3) {
        const PictureBox *enemy = m_map->controls().pic_Enemy[int(expected[at])];
        QCOMPARE(enemy->left(), expected[at + 1]);
        QCOMPARE(enemy->top(), expected[at + 2]);
    }
}

// A hidden enemy comes back when floor(3 y) = 0, that is y below 1/3,
// after its step, wherever that took it; a shown one just stays shown.
void tst_MapPlayClock::returnChance_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<float>("direction");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("shownAfter");
    QTest::addColumn<float>("newLeft");

    QTest::newRow("hidden, y 0") << false << Stay << 0.0f << true << 168.f;
    QTest::newRow("hidden, y just below a third") << false << Stay << 0.3333333f << true << 168.f;
    QTest::newRow("hidden, y just above a third") << false << Stay << 0.33333334f << false << 168.f;
    QTest::newRow("hidden, y nearly 1") << false << Stay << 0.99999994f << false << 168.f;
    QTest::newRow("hidden, back after a step") << false << Right << 0.1f << true << 184.f;
    QTest::newRow("hidden, stepping on unseen") << false << Left << 0.7f << false << 152.f;
    QTest::newRow("shown, y a half") << true << Right << 0.5f << true << 184.f;
}

void tst_MapPlayClock::returnChance()
{
    QFETCH(bool, shown);
    QFETCH(float, direction);
    QFETCH(float, y);
    QFETCH(bool, shownAfter);
    QFETCH(float, newLeft);

    openMap();
    m_map->controls().pic_Enemy[10]->setVisible(shown);
    runPhase(draws(10, direction, y));
    QCOMPARE(m_map->controls().pic_Enemy[10]->shown(), shownAfter);
    QCOMPARE(m_map->controls().pic_Enemy[10]->left(), newLeft);
    for (int i = 0; i < 21; ++i)
        QVERIFY(i == 10 || m_map->controls().pic_Enemy[i]->shown());
}

// Each phase takes exactly 42 draws, direction then return chance for
// enemy 0, then for enemy 1, and so on, whether the enemies are shown,
// hidden, boxed in or at the edges.
void tst_MapPlayClock::fortyTwoDrawsInOrder_data()
{
    QTest::addColumn<QString>("scene");
    QTest::newRow("start positions") << "start";
    QTest::newRow("all hidden") << "hidden";
    QTest::newRow("packed into one corner") << "packed";
    QTest::newRow("along the edges") << "edges";
}

void tst_MapPlayClock::fortyTwoDrawsInOrder()
{
    QFETCH(QString, scene);

    openMap();
    // Odd enemies are hidden (all of them in one scene), so that the
    // return draws show where each enemy's pair of draws went.
    for (int i = 0; i < 21; ++i) {
        PictureBox *enemy = m_map->controls().pic_Enemy[i];
        enemy->setVisible(scene != "hidden" && i % 2 == 0);
        if (scene == "packed")
            place(enemy, 8.f + 16.f * float(i % 5), 8.f + 16.f * float(i / 5));
        else if (scene == "edges")
            place(enemy, i % 2 ? 328.f : 8.f, 8.f + 16.f * float(i));
    }

    // Enemy i steps left when i is a multiple of 3 and comes back when i
    // is odd and not a multiple of 5.
    QList<float> list;
    for (int i = 0; i < 21; ++i)
        list << (i % 3 == 0 ? Left : Stay) << (i % 2 == 1 && i % 5 != 0 ? 0.2f : NoReturn);
    list << list; // a second phase, untouched by the first

    QList<Square> before;
    for (const PictureBox *enemy : m_map->controls().pic_Enemy)
        before.append({enemy->left(), enemy->top()});

    RandomSource::resetCounts();
    RandomSource::script(list);
    runEnemyPhase(m_map);
    QCOMPARE(RandomSource::draws(), 42);
    QCOMPARE(RandomSource::scriptRemaining(), 42);
    QCOMPARE(RandomSource::reseeds(), 1);

    for (int i = 0; i < 21; ++i) {
        const PictureBox *enemy = m_map->controls().pic_Enemy[i];
        const bool comesBack = i % 2 == 1 && i % 5 != 0;
        QCOMPARE(enemy->shown(), (scene != "hidden" && i % 2 == 0) || comesBack);
        QCOMPARE(enemy->top(), before[i].top);
        if (i % 3 != 0)
            QCOMPARE(enemy->left(), before[i].left);
    }
}

QTEST_MAIN(tst_MapPlayClock)

#include "clock.moc"
