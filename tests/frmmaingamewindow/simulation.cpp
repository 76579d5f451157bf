#include "testsupport.h"

#include "map/frmmaingamewindow.h"
#include "system/clock.h"
#include "system/randomsource.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <random>

// The enemy clock over many phases: the rules that must hold after every
// phase, and the shares of the random choices with the real generator.
class tst_MapPlaySimulation : public QObject
{
    Q_OBJECT

private slots:
    void longRunKeepsEveryEnemyInItsBand_data();
    void longRunKeepsEveryEnemyInItsBand();
    void realGeneratorGivesTheStatedShares();
};

namespace {

// Rows a colour group may reach: three rows above and below its own
// three start rows, inside the enemies' area.
float bandTop(int group)
{
    return std::max(8.f, 48.f * float(group) - 40.f);
}

float bandBottom(int group)
{
    return std::min(328.f, 48.f * float(group) + 88.f);
}

bool onGrid(float v)
{
    return v >= 8.f && v <= 328.f && std::fmod(v - 8.f, 16.f) == 0.f;
}

} // namespace

// Ten thousand phases from a seeded generator, with enemies killed along
// the way: after every phase each enemy stands on the grid, outside the
// healing row, inside its colour's band, alone on its square, at most one
// square from where it was; every phase takes its 42 draws. Over the run
// every group covers its whole band and the whole width.
void tst_MapPlaySimulation::longRunKeepsEveryEnemyInItsBand_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("killChance");
    QTest::newRow("nobody killed") << 20261206u << 0.0;
    QTest::newRow("one killed in two phases") << 1102u << 0.5;
}

void tst_MapPlaySimulation::longRunKeepsEveryEnemyInItsBand()
{
    QFETCH(quint32, seed);
    QFETCH(double, killChance);

    Sandbox sandbox;
    sandbox.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();

    std::mt19937 generator(seed);
    const auto uniform = [&generator] { return float(generator() >> 8) * (1.0f / 16777216.0f); };
    std::array<float, 7> highest, lowest, leftmost, rightmost;
    highest.fill(400.f);
    lowest.fill(0.f);
    leftmost.fill(400.f);
    rightmost.fill(0.f);
    int hiddenSeen = 0;

    QElapsedTimer clock;
    clock.start();
    for (int phase = 0; phase < 10000; ++phase) {
        if (uniform() < killChance)
            map->controls().pic_Enemy[generator() % 21]->hide();

        QList<float> draws;
        for (int d = 0; d < 42; ++d)
            draws << uniform();
        std::array<QPointF, 21> before;
        for (int i = 0; i < 21; ++i)
            before[i] = QPointF(map->controls().pic_Enemy[i]->left(), map->controls().pic_Enemy[i]->top());

        RandomSource::script(draws);
        runEnemyPhase(map);
        if (RandomSource::scriptRemaining() != 0 || RandomSource::overruns() != 0)
            QFAIL(qPrintable(QStringLiteral("phase %1 did not take 42 draws").arg(phase)));

        QSet<QPair<float, float>> squares;
        for (int i = 0; i < 21; ++i) {
            const PictureBox *enemy = map->controls().pic_Enemy[i];
            const float left = enemy->left(), top = enemy->top();
            const int group = i / 3;
            const QString where = QStringLiteral("phase %1, enemy %2 at %3, %4").arg(phase).arg(i).arg(left).arg(top);
            if (!onGrid(left) || !onGrid(top))
                QFAIL(qPrintable(where + QStringLiteral(": off the grid or in the healing row")));
            if (top < bandTop(group) || top > bandBottom(group))
                QFAIL(qPrintable(where + QStringLiteral(": outside its band")));
            if (squares.contains({left, top}))
                QFAIL(qPrintable(where + QStringLiteral(": square shared")));
            squares.insert({left, top});
            const double moved = std::abs(left - before[i].x()) + std::abs(top - before[i].y());
            if (moved != 0.0 && moved != 16.0)
                QFAIL(qPrintable(where + QStringLiteral(": jumped")));
            highest[group] = std::min(highest[group], top);
            lowest[group] = std::max(lowest[group], top);
            leftmost[group] = std::min(leftmost[group], left);
            rightmost[group] = std::max(rightmost[group], left);
            hiddenSeen += enemy->shown() ? 0 : 1;
        }
    }
    qInfo("10000 phases in %lld ms", static_cast<long long>(clock.elapsed()));

    for (int group = 0; group < 7; ++group) {
        QCOMPARE(highest[group], bandTop(group));
        QCOMPARE(lowest[group], bandBottom(group));
        QCOMPARE(leftmost[group], 8.f);
        QCOMPARE(rightmost[group], 328.f);
    }
    QCOMPARE(hiddenSeen > 0, killChance > 0);
}

// With the real generator, re-seeded from the real clock every phase:
// 21 enemies alone in open space, hidden, are put back before each phase.
// Their steps split 10 / 5 / 5 / 40 / 40 % and a third of them come back,
// each within five standard deviations.
void tst_MapPlaySimulation::realGeneratorGivesTheStatedShares()
{
    Sandbox sandbox;
    sandbox.writeCharacter(Sandbox::defaultLines());
    frmMainGameWindow *map = sandbox.openMap();
    clockOf(map)->stop();
    Clock::release();

    constexpr int Phases = 4000;
    // none, up, down, left, right, back
    std::array<int, 6> counts{};
    for (int phase = 0; phase < Phases; ++phase) {
        for (int i = 0; i < 21; ++i) {
            PictureBox *enemy = map->controls().pic_Enemy[i];
            enemy->setLeft(24.f + 48.f * float(i % 7));
            enemy->setTop(24.f + 48.f * float(i / 7));
            enemy->hide();
        }
        runEnemyPhase(map);
        for (int i = 0; i < 21; ++i) {
            const PictureBox *enemy = map->controls().pic_Enemy[i];
            const float dx = enemy->left() - (24.f + 48.f * float(i % 7));
            const float dy = enemy->top() - (24.f + 48.f * float(i / 7));
            const int kind = dy < 0 ? 1 : dy > 0 ? 2 : dx < 0 ? 3 : dx > 0 ? 4 : 0;
            ++counts[kind];
            counts[5] += enemy->shown() ? 1 : 0;
        }
    }
    QCOMPARE(RandomSource::reseeds(), Phases);
    qInfo("stay %d, up %d, down %d, left %d, right %d, back %d", counts[0], counts[1], counts[2], counts[3], counts[4],
          counts[5]);

    const double n = 21.0 * Phases;
    const std::array<double, 6> shares{0.10, 0.05, 0.05, 0.40, 0.40, 1.0 / 3.0};
    const char *names[] = {"stay", "up", "down", "left", "right", "come back"};
    for (int k = 0; k < 6; ++k) {
        const double expected = n * shares[k];
        const double sigma = std::sqrt(n * shares[k] * (1.0 - shares[k]));
        const QString what = QStringLiteral("%1: %2 of %3, expected %4 +- %5")
                                 .arg(names[k])
                                 .arg(counts[k])
                                 .arg(n)
                                 .arg(expected)
                                 .arg(5 * sigma);
        QVERIFY2(std::abs(counts[k] - expected) <= 5.0 * sigma, qPrintable(what));
    }
}

QTEST_MAIN(tst_MapPlaySimulation)

#include "simulation.moc"
