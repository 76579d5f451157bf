#include "map/enemyclock.h"

#include <QTest>

using EnemyClock::Direction;

Q_DECLARE_METATYPE(Direction)

// The enemy clock's rules as numbers: the direction table, the band edges
// and the map's edges, and healing in the healing row.
class tst_EnemyClock : public QObject
{
    Q_OBJECT

private slots:
    void directionTable_data();
    void directionTable();
    void bandBoundaries_data();
    void bandBoundaries();
    void mapEdges_data();
    void mapEdges();
    void healing_data();
    void healing();
};

// r = floor(100 x) + 1: 1-10 stay, 11-15 up, 16-20 down, 21-60 left,
// 61-100 right.
void tst_EnemyClock::directionTable_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<Direction>("direction");

    QTest::newRow("r 1") << 0.0f << Direction::None;
    QTest::newRow("r 10") << 0.0999f << Direction::None;
    QTest::newRow("r 11") << 0.1001f << Direction::Up;
    QTest::newRow("r 11 at 0.1 in single precision") << 0.1f << Direction::Up;
    QTest::newRow("r 15") << 0.1499f << Direction::Up;
    QTest::newRow("r 16") << 0.1501f << Direction::Down;
    QTest::newRow("r 20") << 0.1999f << Direction::Down;
    QTest::newRow("r 21") << 0.2001f << Direction::Left;
    QTest::newRow("r 60") << 0.5999f << Direction::Left;
    QTest::newRow("r 61") << 0.6001f << Direction::Right;
    QTest::newRow("r 100") << 0.99999994f << Direction::Right;
}

void tst_EnemyClock::directionTable()
{
    QFETCH(float, x);
    QFETCH(Direction, direction);
    QCOMPARE(EnemyClock::directionFor(x), direction);
}

// An up step from 56, 104, 152, 200 or 248 is refused for the indices
// from 6, 9, 12, 15 or 18 up; a down step from 88, 136, 184, 232 or 280
// for the indices up to 2, 5, 8, 11 or 14. Every other index crosses, and
// each boundary row stops only its own direction.
void tst_EnemyClock::bandBoundaries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("top");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<bool>("refused");

    const float upRows[] = {56, 104, 152, 200, 248};
    const float downRows[] = {88, 136, 184, 232, 280};
    for (int k = 0; k < 5; ++k) {
        const int upFrom = 6 + 3 * k;
        const int downTo = 2 + 3 * k;
        for (int i = 0; i < 21; ++i) {
            QTest::addRow("up from %d, enemy %d", int(upRows[k]), i)
                << i << upRows[k] << Direction::Up << (i >= upFrom);
            QTest::addRow("down from %d, enemy %d", int(downRows[k]), i)
                << i << downRows[k] << Direction::Down << (i <= downTo);
            QTest::addRow("down from %d, enemy %d", int(upRows[k]), i) << i << upRows[k] << Direction::Down << false;
            QTest::addRow("up from %d, enemy %d", int(downRows[k]), i) << i << downRows[k] << Direction::Up << false;
        }
    }
}

void tst_EnemyClock::bandBoundaries()
{
    QFETCH(int, index);
    QFETCH(float, top);
    QFETCH(Direction, direction);
    QFETCH(bool, refused);

    const auto target = EnemyClock::stepTarget(direction, index, 168.f, top);
    QCOMPARE(target.has_value(), !refused);
    if (target) {
        QCOMPARE(target->left, 168.f);
        QCOMPARE(target->top, top + (direction == Direction::Up ? -16.f : 16.f));
    }
}

// Enemies stay inside left 8 to 328 and top 8 to 328: the step that would
// leave that area is lost, the step onto its last square is taken.
void tst_EnemyClock::mapEdges_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<float>("newLeft");
    QTest::addColumn<float>("newTop");

    QTest::newRow("left at 8") << 4 << 8.f << 72.f << Direction::Left << 8.f << 72.f;
    QTest::newRow("right at 328") << 12 << 328.f << 200.f << Direction::Right << 328.f << 200.f;
    QTest::newRow("up at 8") << 1 << 168.f << 8.f << Direction::Up << 168.f << 8.f;
    QTest::newRow("orange down at 328") << 15 << 168.f << 328.f << Direction::Down << 168.f << 328.f;
    QTest::newRow("red down at 328") << 20 << 168.f << 328.f << Direction::Down << 168.f << 328.f;
    QTest::newRow("left from 24") << 4 << 24.f << 72.f << Direction::Left << 8.f << 72.f;
    QTest::newRow("right from 312") << 12 << 312.f << 200.f << Direction::Right << 328.f << 200.f;
    QTest::newRow("up from 24") << 1 << 168.f << 24.f << Direction::Up << 168.f << 8.f;
    QTest::newRow("red down from 312") << 20 << 168.f << 312.f << Direction::Down << 168.f << 328.f;
    QTest::newRow("staying") << 10 << 168.f << 168.f << Direction::None << 168.f << 168.f;
}

void tst_EnemyClock::mapEdges()
{
    QFETCH(int, index);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(Direction, direction);
    QFETCH(float, newLeft);
    QFETCH(float, newTop);

    const auto target = EnemyClock::stepTarget(direction, index, left, top);
    const EnemyClock::Square now = target.value_or(EnemyClock::Square{left, top});
    QCOMPARE(now.left, newLeft);
    QCOMPARE(now.top, newTop);
}

// Each phase adds a tenth of the maximum, both rounded down, and never
// goes beyond the maximum rounded down; captions otherwise stay as they
// are (the window then writes nothing).
void tst_EnemyClock::healing_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("phases");
    QTest::addColumn<QString>("after"); // "" for no change

    QTest::newRow("3 of 10, one phase") << 3.0 << 10.0 << 1 << "4";
    QTest::newRow("5 of 10, seven phases") << 5.0 << 10.0 << 7 << "10";
    QTest::newRow("3 of 10, seven phases") << 3.0 << 10.0 << 7 << "10";
    QTest::newRow("3 of 25, one phase") << 3.0 << 25.0 << 1 << "5";
    QTest::newRow("3 of 25, eleven phases") << 3.0 << 25.0 << 11 << "25";
    QTest::newRow("24 of 25 overshoots to the maximum") << 24.0 << 25.0 << 1 << "25";
    QTest::newRow("1 of 19") << 1.0 << 19.0 << 1 << "2";
    QTest::newRow("maximum 9 heals nothing") << 3.0 << 9.0 << 5 << "3";
    QTest::newRow("3.5 of 9 is rounded down") << 3.5 << 9.0 << 1 << "3";
    QTest::newRow("15 of 12") << 15.0 << 12.0 << 1 << "12";
    QTest::newRow("at the maximum") << 12.0 << 12.0 << 1 << "";
    QTest::newRow("fractions rounded down first") << 3.7 << 10.9 << 1 << "4";
    QTest::newRow("fractional magic") << 2.5 << 29.99 << 1 << "4";
    QTest::newRow("above a fractional maximum") << 13.5 << 12.2 << 1 << "12";
    QTest::newRow("within a fractional maximum") << 10.5 << 10.9 << 1 << "";
    QTest::newRow("huge maximum") << 0.0 << 1e300 << 1 << "1E+299";
    QTest::newRow("huge magic maximum") << 1e300 << 1e301 << 1 << "2E+300";
    QTest::newRow("huge current") << 1e300 << 10.0 << 1 << "10";
}

void tst_EnemyClock::healing()
{
    QFETCH(double, value);
    QFETCH(double, maximum);
    QFETCH(int, phases);
    QFETCH(QString, after);

    std::optional<double> last;
    for (int phase = 0; phase < phases; ++phase) {
        if (const std::optional<double> now = EnemyClock::healed(value, maximum)) {
            last = now;
            value = *now;
        }
    }
    QCOMPARE(last ? QString::number(*last, 'G', 15) : QString(), after);
}

QTEST_GUILESS_MAIN(tst_EnemyClock)
#include "tst_enemyclock.moc"
