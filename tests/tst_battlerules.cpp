#include "battle/battlerules.h"
#include "testsupport.h"

#include <QList>
#include <QMap>
#include <QTest>

using namespace BattleRules;
using Draws = QList<float>;

Q_DECLARE_METATYPE(BattleRules::Number)
Q_DECLARE_METATYPE(BattleRules::Unusable)

namespace {

const Number None = std::nullopt;

// Hands out the scripted draws in order, and counts them.
struct Script
{
    explicit Script(const Draws &draws)
        : draws(draws)
    {
    }
    Draw draw()
    {
        return [this] {
            if (taken >= draws.size()) {
                ++taken;
                return 0.0f;
            }
            return draws[taken++];
        };
    }
    Draws draws;
    qsizetype taken = 0;
};

} // namespace

// The battle's arithmetic as numbers, draw by draw; what the window writes
// and says of it is the window's test.
class tst_BattleRules : public QObject
{
    Q_OBJECT

private slots:
    void enemyStrength_data();
    void enemyStrength();
    void strengthValuesEquallyLikely();
    void bars_data();
    void bars();
    void barsNeverExceedOneDesignBar();
    void attack_data();
    void attack();
    void blast_data();
    void blast();
    void heal_data();
    void heal();
    void enemyTurn_data();
    void enemyTurn();
    void refusals_data();
    void refusals();
};

// (20 - index) x 2 + 6 + floor(5 r + 2): one of five strengths per index.
void tst_BattleRules::enemyStrength_data()
{
    QTest::addColumn<double>("index");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("strength");
    QTest::newRow("0, r = 0") << 0.0 << 0.0f << 48;
    QTest::newRow("0, just below 0.2") << 0.0 << 0.19999999f << 48;
    QTest::newRow("0, r = 0.2") << 0.0 << 0.2f << 49;
    QTest::newRow("0, r = 0.4") << 0.0 << 0.4f << 50;
    QTest::newRow("0, r = 0.6") << 0.0 << 0.6f << 51;
    QTest::newRow("0, r = 0.8") << 0.0 << 0.8f << 52;
    QTest::newRow("0, largest r") << 0.0 << AlmostOne << 52;
    QTest::newRow("20, r = 0") << 20.0 << 0.0f << 8;
    QTest::newRow("20, largest r") << 20.0 << AlmostOne << 12;
    QTest::newRow("7, r = 0.5") << 7.0 << 0.5f << 36;
}

void tst_BattleRules::enemyStrength()
{
    QFETCH(double, index);
    QFETCH(float, r);
    QFETCH(int, strength);
    QCOMPARE(BattleRules::enemyStrength(index, r), std::optional<qint16>(qint16(strength)));
}

// Draws spread evenly over [0, 1) give each of the five strengths equally often.
void tst_BattleRules::strengthValuesEquallyLikely()
{
    for (const int index : {0, 20}) {
        QMap<int, int> seen;
        for (int n = 0; n < 100; ++n)
            ++seen[BattleRules::enemyStrength(index, (float(n) + 0.5f) / 100.0f).value()];
        const int low = 48 - 2 * index;
        QCOMPARE(seen.keys(), (QList<int>{low, low + 1, low + 2, low + 3, low + 4}));
        QCOMPARE(seen.values(), QList<int>(5, 20));
    }
}

// scale = floor(4560 / (ST + strength)); bars ST x scale and strength x
// scale twips, the player's in single precision.
void tst_BattleRules::bars_data()
{
    QTest::addColumn<double>("strength");
    QTest::addColumn<int>("enemy");
    QTest::addColumn<float>("playerTwips");
    QTest::addColumn<float>("enemyTwips");
    QTest::newRow("10 against 50") << 10.0 << 50 << 760.0f << 3800.0f;
    QTest::newRow("10 against 8") << 10.0 << 8 << 2530.0f << 2024.0f;
    QTest::newRow("30 against 8") << 30.0 << 8 << 3600.0f << 960.0f;
    QTest::newRow("0 against 52") << 0.0 << 52 << 0.0f << 4524.0f;
    QTest::newRow("single-precision width") << 0.1 << 8 << 56.2f << 4496.0f;
    QTest::newRow("Strength beyond the scale") << 1e6 << 8 << 0.0f << 0.0f;
}

void tst_BattleRules::bars()
{
    QFETCH(double, strength);
    QFETCH(int, enemy);
    QFETCH(float, playerTwips);
    QFETCH(float, enemyTwips);
    const std::optional<StrengthBars> bars = strengthBars(strength, qint16(enemy));
    QVERIFY(bars);
    QCOMPARE(bars->player, playerTwips);
    QCOMPARE(bars->enemy, enemyTwips);
}

void tst_BattleRules::barsNeverExceedOneDesignBar()
{
    for (const double strength : {0.0, 1.0, 7.0, 10.0, 23.0, 64.0, 250.0, 4560.0, 99999.0}) {
        for (int index = 0; index <= 20; ++index) {
            for (const float roll : {0.0f, 0.5f, AlmostOne}) {
                const std::optional<StrengthBars> bars =
                    strengthBars(strength, BattleRules::enemyStrength(index, roll).value());
                QVERIFY(bars);
                QVERIFY(bars->player >= 0.0f && bars->enemy >= 0.0f);
                QVERIFY2(bars->player + bars->enemy <= 4560.0f, qPrintable(QString::number(strength)));
            }
        }
    }
}

// P = floor(DX r1) + 1 in double against E = floor(strength r2) + 1 in
// single precision; a hit draws r3 for floor(ST r3) + 1 damage.
void tst_BattleRules::attack_data()
{
    QTest::addColumn<Number>("dexterity");
    QTest::addColumn<Number>("strength");
    QTest::addColumn<Number>("enemyHealth");
    QTest::addColumn<int>("enemyStrength");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<int>("margin");
    QTest::addColumn<bool>("hit");
    QTest::addColumn<int>("damage");
    QTest::addColumn<double>("healthAfter");
    QTest::addColumn<bool>("defeated");

    // 11 x r is 4.9999998 in double (roll 5) but 5 in single precision (roll 6).
    QTest::newRow("attack rolls in double, enemy in single")
        << Number(11) << Number(10) << Number(11) << 11 << Draws{0x1.d1745cp-2f, 0x1.d1745cp-2f} << -1 << false << 0
        << 0.0 << false;
    QTest::newRow("attack with Strength 1")
        << Number(10) << Number(1) << Number(50) << 50 << Draws{0.99f, 0.0f, 0.99f} << 9 << true << 1 << 49.0 << false;
    QTest::newRow("attack leaves 1") << Number(10) << Number(10) << Number(8) << 50 << Draws{0.65f, 0.05f, 0.65f} << 4
                                     << true << 7 << 1.0 << false;
    QTest::newRow("attack below 0") << Number(10) << Number(10) << Number(3) << 50 << Draws{0.65f, 0.05f, 0.65f} << 4
                                    << true << 7 << -4.0 << true;
    QTest::newRow("fractional health rounded down first")
        << Number(10) << Number(10) << Number(7.5) << 50 << Draws{0.65f, 0.05f, 0.65f} << 4 << true << 7 << 0.0 << true;
    // A miss never reads Strength or the enemy's health.
    QTest::newRow("a miss needs no Strength")
        << Number(10) << None << None << 50 << Draws{0.05f, 0.07f} << -3 << false << 0 << 0.0 << false;
}

void tst_BattleRules::attack()
{
    QFETCH(Number, dexterity);
    QFETCH(Number, strength);
    QFETCH(Number, enemyHealth);
    QFETCH(int, enemyStrength);
    QFETCH(Draws, draws);
    QFETCH(int, margin);
    QFETCH(bool, hit);
    QFETCH(int, damage);
    QFETCH(double, healthAfter);
    QFETCH(bool, defeated);

    Script script(draws);
    const Ruling<Attack> ruling =
        BattleRules::attack(dexterity, strength, enemyHealth, qint16(enemyStrength), script.draw());
    QCOMPARE(script.taken, draws.size());
    const Attack *attack = std::get_if<Attack>(&ruling);
    QVERIFY(attack);
    QCOMPARE(int(attack->margin), margin);
    QCOMPARE(attack->hit(), hit);
    if (attack->hit()) {
        QCOMPARE(int(attack->damage), damage);
        QCOMPARE(attack->enemyHealth, healthAfter);
        QCOMPARE(BattleRules::defeated(attack->enemyHealth), defeated);
    }
}

// floor(WS r) + 1, capped by the enemy's health, then by the whole magic.
void tst_BattleRules::blast_data()
{
    QTest::addColumn<Number>("enemyHealth");
    QTest::addColumn<double>("magic");
    QTest::addColumn<int>("damage");
    QTest::addColumn<double>("healthAfter");
    QTest::addColumn<double>("magicAfter");

    QTest::newRow("blast capped by enemy health") << Number(3) << 10.0 << 3 << 0.0 << 7.0;
    QTest::newRow("blast capped by both") << Number(4) << 3.0 << 3 << 1.0 << 0.0;
    QTest::newRow("blast never spends more magic than there is") << Number(50) << 3.5 << 3 << 47.0 << 0.0;
    QTest::newRow("fractional health caps to its whole") << Number(2.5) << 10.0 << 2 << 0.0 << 8.0;
}

void tst_BattleRules::blast()
{
    QFETCH(Number, enemyHealth);
    QFETCH(double, magic);
    QFETCH(int, damage);
    QFETCH(double, healthAfter);
    QFETCH(double, magicAfter);

    Script script({0.65f}); // Wisdom 10: a roll of 7
    const Ruling<Blast> ruling = BattleRules::blast(Number(10), enemyHealth, magic, script.draw());
    QCOMPARE(script.taken, 1);
    const Blast *blast = std::get_if<Blast>(&ruling);
    QVERIFY(blast);
    QCOMPARE(int(blast->damage), damage);
    QCOMPARE(blast->enemyHealth, healthAfter);
    QCOMPARE(blast->magic, magicAfter);
}

// The smallest of the missing health, the whole magic and Wisdom; no
// magic to spend (below 1) comes before not needing any.
void tst_BattleRules::heal_data()
{
    QTest::addColumn<Number>("health");
    QTest::addColumn<Number>("magic");
    QTest::addColumn<Number>("wisdom");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("amount");
    QTest::addColumn<double>("healthAfter");
    QTest::addColumn<double>("magicAfter");

    QTest::newRow("heal capped by magic")
        << Number(2) << Number(2) << Number(10) << int(Heal::Healed) << 2 << 4.0 << 0.0;
    QTest::newRow("heal capped by Wisdom")
        << Number(2) << Number(5) << Number(3) << int(Heal::Healed) << 3 << 5.0 << 2.0;
    QTest::newRow("heal never spends more magic than there is")
        << Number(2) << Number(3.5) << Number(10) << int(Heal::Healed) << 3 << 5.0 << 0.0;
    QTest::newRow("heal without magic at full health")
        << Number(10) << Number(0) << Number(10) << int(Heal::NoMagic) << 0 << 0.0 << 0.0;
    QTest::newRow("magic just below 1") << Number(5) << Number(0.999) << Number(10) << int(Heal::NoMagic) << 0 << 0.0
                                        << 0.0;
    // Wisdom is read only when the heal is needed.
    QTest::newRow("full health needs no Wisdom")
        << Number(10) << Number(5) << None << int(Heal::NotNeeded) << 0 << 0.0 << 0.0;
}

void tst_BattleRules::heal()
{
    QFETCH(Number, health);
    QFETCH(Number, magic);
    QFETCH(Number, wisdom);
    QFETCH(int, kind);
    QFETCH(int, amount);
    QFETCH(double, healthAfter);
    QFETCH(double, magicAfter);

    const Ruling<Heal> ruling = BattleRules::heal(health, Number(10), magic, wisdom);
    const Heal *heal = std::get_if<Heal>(&ruling);
    QVERIFY(heal);
    QCOMPARE(int(heal->kind), kind);
    if (heal->kind == Heal::Healed) {
        QCOMPARE(int(heal->amount), amount);
        QCOMPARE(heal->health, healthAfter);
        QCOMPARE(heal->magic, magicAfter);
    }
}

// A = floor(DX r1) against E = floor(strength r2) + 1; A - E > 0 misses,
// else r3 gives floor(strength r3 / 2) damage in single precision.
void tst_BattleRules::enemyTurn_data()
{
    QTest::addColumn<Number>("health");
    QTest::addColumn<int>("enemyStrength");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<int>("margin");
    QTest::addColumn<bool>("hit");
    QTest::addColumn<int>("damage");
    QTest::addColumn<double>("healthAfter");
    QTest::addColumn<bool>("killed");

    QTest::newRow("enemy tie hits") << Number(10) << 50 << Draws{0.55f, 0.09f, 0.1f} << 0 << true << 2 << 8.0 << false;
    QTest::newRow("enemy hits for 0") << Number(10) << 50 << Draws{0.05f, 0.03f, 0.01f} << -2 << true << 0 << 10.0
                                      << false;
    // 11 x r3 is 9.9999995 in double but 10 in single precision.
    QTest::newRow("enemy damage in single precision")
        << Number(10) << 11 << Draws{0.05f, 0.5f, 0x1.d1745cp-1f} << -6 << true << 5 << 5.0 << false;
    QTest::newRow("enemy leaves 1 health")
        << Number(2) << 50 << Draws{0.05f, 0.09f, 0.06f} << -5 << true << 1 << 1.0 << false;
    QTest::newRow("enemy's largest hit") << Number(10) << 50 << Draws{0.0f, AlmostOne, AlmostOne} << -50 << true << 24
                                         << -14.0 << true;
    QTest::newRow("fractional health rounded down first")
        << Number(1.9) << 50 << Draws{0.05f, 0.09f, 0.06f} << -5 << true << 1 << 0.0 << true;
    // A miss never reads the player's health.
    QTest::newRow("enemy misses") << None << 50 << Draws{0.95f, 0.11f} << 3 << false << 0 << 0.0 << false;
}

void tst_BattleRules::enemyTurn()
{
    QFETCH(Number, health);
    QFETCH(int, enemyStrength);
    QFETCH(Draws, draws);
    QFETCH(int, margin);
    QFETCH(bool, hit);
    QFETCH(int, damage);
    QFETCH(double, healthAfter);
    QFETCH(bool, killed);

    Script script(draws);
    const Ruling<EnemyTurn> ruling = BattleRules::enemyTurn(Number(10), health, qint16(enemyStrength), script.draw());
    QCOMPARE(script.taken, draws.size());
    const EnemyTurn *turn = std::get_if<EnemyTurn>(&ruling);
    QVERIFY(turn);
    QCOMPARE(int(turn->margin), margin);
    QCOMPARE(turn->hit(), hit);
    if (turn->hit()) {
        QCOMPARE(int(turn->damage), damage);
        QCOMPARE(turn->health, healthAfter);
        QCOMPARE(turn->killed(), killed);
    }
}

// Each value that stops a move, and the draws the move has taken by then:
// the window rolls the move back and names that value.
enum class Move { Attack, Blast, Heal, EnemyTurn };
Q_DECLARE_METATYPE(Move)

void tst_BattleRules::refusals_data()
{
    QTest::addColumn<Move>("move");
    // Dexterity or Wisdom (the first statistic the move reads), Strength or
    // maximum Health (the second), the enemy's or the player's health.
    QTest::addColumn<Number>("first");
    QTest::addColumn<Number>("second");
    QTest::addColumn<Number>("health");
    QTest::addColumn<Number>("magic");
    QTest::addColumn<int>("enemyStrength");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<Unusable>("refused");

    QTest::newRow("attack without Dexterity")
        << Move::Attack << None << Number(10) << Number(10) << None << 50 << Draws{0.5f, 0.5f} << Unusable::Dexterity;
    QTest::newRow("attack roll beyond 16 bits") << Move::Attack << Number(1e6) << Number(10) << Number(10) << None << 50
                                                << Draws{0.99f, 0.5f} << Unusable::Dexterity;
    QTest::newRow("a hit without Strength") << Move::Attack << Number(10) << None << Number(10) << None << 50
                                            << Draws{0.99f, 0.0f, 0.5f} << Unusable::Strength;
    QTest::newRow("a hit on an enemy health that is no number")
        << Move::Attack << Number(10) << Number(10) << None << None << 50 << Draws{0.99f, 0.0f, 0.5f}
        << Unusable::EnemyHealth;
    // Draws lie in [0, 1); one beyond shows the enemy's roll is checked too.
    QTest::newRow("enemy roll beyond 16 bits") << Move::Attack << Number(10) << Number(10) << Number(10) << None
                                               << 32767 << Draws{0.5f, 2.0f} << Unusable::EnemyStrength;
    QTest::newRow("blast without Wisdom")
        << Move::Blast << None << None << Number(10) << None << 50 << Draws{0.5f} << Unusable::Wisdom;
    QTest::newRow("blast on an enemy health that is no number")
        << Move::Blast << Number(10) << None << None << None << 50 << Draws{0.5f} << Unusable::EnemyHealth;
    QTest::newRow("blast on an enemy health beyond 16 bits")
        << Move::Blast << Number(10) << None << Number(-1e6) << None << 50 << Draws{0.5f} << Unusable::EnemyHealth;
    QTest::newRow("blast with magic beyond 16 bits")
        << Move::Blast << Number(10) << None << Number(50) << Number(-1e6) << 50 << Draws{0.5f} << Unusable::Magic;
    QTest::newRow("heal without Health") << Move::Heal << Number(10) << Number(10) << None << Number(10) << 50
                                         << Draws{} << Unusable::Health;
    QTest::newRow("heal without maximum Health")
        << Move::Heal << Number(10) << None << Number(5) << Number(10) << 50 << Draws{} << Unusable::MaximumHealth;
    QTest::newRow("missing health beyond 16 bits") << Move::Heal << Number(10) << Number(1e6) << Number(0) << Number(10)
                                                   << 50 << Draws{} << Unusable::MissingHealth;
    QTest::newRow("heal without Magic") << Move::Heal << Number(10) << Number(10) << Number(5) << None << 50 << Draws{}
                                        << Unusable::Magic;
    QTest::newRow("heal without Wisdom") << Move::Heal << None << Number(10) << Number(5) << Number(10) << 50 << Draws{}
                                         << Unusable::Wisdom;
    QTest::newRow("enemy hit on a health that is no number") << Move::EnemyTurn << Number(10) << None << None << None
                                                             << 50 << Draws{0.05f, 0.09f, 0.06f} << Unusable::Health;
    QTest::newRow("dodge without Dexterity")
        << Move::EnemyTurn << None << None << Number(10) << None << 50 << Draws{0.05f, 0.09f} << Unusable::Dexterity;
}

void tst_BattleRules::refusals()
{
    QFETCH(Move, move);
    QFETCH(Number, first);
    QFETCH(Number, second);
    QFETCH(Number, health);
    QFETCH(Number, magic);
    QFETCH(int, enemyStrength);
    QFETCH(Draws, draws);
    QFETCH(Unusable, refused);

    Script script(draws);
    const qint16 strength = qint16(enemyStrength);
    const auto refusal = [](const auto &ruling) {
        const Unusable *stopped = std::get_if<Unusable>(&ruling);
        return stopped ? std::optional<Unusable>(*stopped) : std::nullopt;
    };
    std::optional<Unusable> stopped;
    switch (move) {
    case Move::Attack:
        stopped = refusal(BattleRules::attack(first, second, health, strength, script.draw()));
        break;
    case Move::Blast:
        stopped = refusal(BattleRules::blast(first, health, magic.value_or(50), script.draw()));
        break;
    case Move::Heal:
        stopped = refusal(BattleRules::heal(health, second, magic, first));
        break;
    case Move::EnemyTurn:
        stopped = refusal(BattleRules::enemyTurn(first, health, strength, script.draw()));
        break;
    }
    QCOMPARE(stopped, std::optional<Unusable>(refused));
    QCOMPARE(script.taken, draws.size());
}

QTEST_GUILESS_MAIN(tst_BattleRules)
#include "tst_battlerules.moc"
