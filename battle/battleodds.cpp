#include "battle/battleodds.h"

#include "battle/battlerules.h"
#include "logic/defaultcharacter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <cmath>
#include <map>
#include <tuple>

namespace BattleOdds {

namespace {

// One outcome of a move and how likely it is.
struct Weighed
{
    double chance = 0;
    double value = 0;
};

// Every way a rule can go with draws scaled by `scales`: the draw of a
// slot scaled by n is weighed in n equal parts, each stood for by its
// middle, which gives exactly the rule's chances wherever the rule takes
// floor(n x r). `run` gets the draw and returns the outcome's value; the
// values are added up by outcome.
template <typename Run>
QList<Weighed> outcomes(const QList<int> &scales, Run run)
{
    std::map<double, double> chances;
    QList<int> parts(scales.size(), 0);
    double each = 1.0;
    for (int scale : scales)
        each /= scale;
    for (;;) {
        qsizetype next = 0;
        const BattleRules::Draw draw = [&]() -> float {
            const qsizetype slot = next++;
            return slot < scales.size() ? float((parts[slot] + 0.5) / scales[slot]) : 0.5f;
        };
        chances[run(draw)] += each;
        qsizetype slot = 0;
        while (slot < scales.size() && ++parts[slot] == scales[slot])
            parts[slot++] = 0;
        if (slot == scales.size())
            break;
    }
    QList<Weighed> list;
    for (const auto &[value, chance] : chances)
        list.append({chance, value});
    return list;
}

class Battle
{
public:
    Battle(const Fighter &player, qint16 enemyStrength, Tactic tactic)
        : m_player(player)
        , m_strength(enemyStrength)
        , m_tactic(tactic)
    {
        const int dexterity = int(player.dexterity);
        // The damage of each move, whatever the healths: a miss does none.
        constexpr double Healthy = 10000;
        m_enemyTurn = outcomes({dexterity, enemyStrength, enemyStrength}, [&](const BattleRules::Draw &draw) {
            const auto turn = std::get<BattleRules::EnemyTurn>(
                BattleRules::enemyTurn(player.dexterity, Healthy, enemyStrength, draw));
            return turn.hit() ? double(turn.damage) : 0.0;
        });
        m_attack = outcomes({dexterity, enemyStrength, int(player.strength)}, [&](const BattleRules::Draw &draw) {
            const auto attack = std::get<BattleRules::Attack>(
                BattleRules::attack(player.dexterity, player.strength, Healthy, enemyStrength, draw));
            return attack.hit() ? double(attack.damage) : 0.0;
        });
    }

    double win() { return chance(m_player.health, m_strength, m_player.magic); }

private:
    // After the player's move left the enemy at `enemyHealth`: its turn.
    // The share of it that leaves everything as it was comes back as `same`.
    double answered(double health, double enemyHealth, double magic, bool moved, double &same)
    {
        if (BattleRules::defeated(enemyHealth))
            return 1.0;
        double won = 0;
        for (const Weighed &hit : m_enemyTurn) {
            BattleRules::EnemyTurn turn;
            turn.health = health - hit.value;
            if (turn.killed())
                continue;
            if (!moved && hit.value == 0)
                same += hit.chance;
            else
                won += hit.chance * chance(turn.health, enemyHealth, magic);
        }
        return won;
    }

    double chance(double health, double enemyHealth, double magic)
    {
        const auto key = std::make_tuple(health, enemyHealth, magic);
        if (const auto known = m_known.find(key); known != m_known.end())
            return known->second;
        double won = 0;
        double same = 0;
        if (m_tactic == Tactic::BlastFirst && BattleRules::canSpend(magic)) {
            const QList<Weighed> blasts = outcomes({int(m_player.wisdom)}, [&](const BattleRules::Draw &draw) {
                return double(
                    std::get<BattleRules::Blast>(BattleRules::blast(m_player.wisdom, enemyHealth, magic, draw)).damage);
            });
            for (const Weighed &blast : blasts) {
                double unused = 0;
                won += blast.chance * answered(health, enemyHealth - blast.value, magic - blast.value, true, unused);
            }
        } else {
            for (const Weighed &attack : m_attack) {
                double missed = 0;
                won += attack.chance * answered(health, enemyHealth - attack.value, magic, attack.value != 0, missed);
                same += attack.chance * missed;
            }
        }
        // A miss answered by a miss or a hit of 0 starts the same moment
        // again: of all the ways on, the share that leads anywhere else.
        const double result = same < 1.0 ? won / (1.0 - same) : 0.0;
        m_known.emplace(key, result);
        return result;
    }

    Fighter m_player;
    qint16 m_strength;
    Tactic m_tactic;
    QList<Weighed> m_enemyTurn;
    QList<Weighed> m_attack;
    std::map<std::tuple<double, double, double>, double> m_known;
};

} // namespace

double win(const Fighter &player, qint16 enemyStrength, Tactic tactic)
{
    return Battle(player, enemyStrength, tactic).win();
}

Fighter newCharacter()
{
    QHash<QString, double> values;
    for (const char *line : GameRules::DefaultCharacter) {
        const QString text = QString::fromLatin1(line);
        values.insert(text.section(QLatin1Char('='), 0, 0), text.section(QLatin1Char('='), 1).toDouble());
    }
    return {values.value(QStringLiteral("ST")), values.value(QStringLiteral("DX")), values.value(QStringLiteral("WS")),
            values.value(QStringLiteral("HPc")), values.value(QStringLiteral("MPc"))};
}

} // namespace BattleOdds
