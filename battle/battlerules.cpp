#include "battle/battlerules.h"

#include "logic/captionnumber.h"

#include <cmath>

namespace BattleRules {

namespace {

using CaptionNumber::tryInt16;

// A roll of 1 up to the statistic: floor(statistic x r) + 1, in double.
std::optional<qint16> rollUpTo(double statistic, float r)
{
    return tryInt16(std::floor(statistic * r) + 1.0);
}

// The enemy's roll: 1 to its strength, in single precision.
std::optional<qint16> enemyRoll(qint16 strength, float r)
{
    return tryInt16(std::floor(static_cast<float>(strength) * r) + 1.0f);
}

// The player's roll (from Dexterity) less the enemy's roll, or the value
// that stops it.
std::variant<qint16, Unusable> margin(std::optional<qint16> playerRoll, qint16 enemyStrength, float r)
{
    if (!playerRoll)
        return Unusable::Dexterity;
    const std::optional<qint16> enemy = enemyRoll(enemyStrength, r);
    if (!enemy)
        return Unusable::EnemyStrength;
    const std::optional<qint16> difference = tryInt16(double(*playerRoll) - *enemy);
    if (!difference)
        return Unusable::Dexterity;
    return *difference;
}

} // namespace

std::optional<qint16> enemyStrength(double index, float r)
{
    return CaptionNumber::tryInt16((20.0 - std::floor(index)) * 2.0 + 6.0
                                   + std::floor(static_cast<double>(r) * 5.0 + 2.0));
}

std::optional<StrengthBars> strengthBars(double strength, qint16 enemyStrength)
{
    const std::optional<qint16> scale = CaptionNumber::tryInt16(std::floor(BarTwips / (strength + enemyStrength)));
    if (!scale)
        return std::nullopt;
    const std::optional<qint16> enemyWidth = CaptionNumber::tryInt16(static_cast<double>(enemyStrength) * *scale);
    if (!enemyWidth)
        return std::nullopt;
    return StrengthBars{static_cast<float>(strength * *scale), static_cast<float>(*enemyWidth)};
}

bool defeated(double enemyHealth)
{
    return !(std::floor(enemyHealth) >= 1);
}

bool canSpend(double magic)
{
    return magic >= 1;
}

Ruling<Attack> attack(Number dexterity, Number strength, Number enemyHealth, qint16 enemyStrength, const Draw &draw)
{
    const float r1 = draw();
    const float r2 = draw();
    const auto rolled = margin(dexterity ? rollUpTo(*dexterity, r1) : std::nullopt, enemyStrength, r2);
    if (const auto *stopped = std::get_if<Unusable>(&rolled))
        return *stopped;
    Attack attack;
    attack.margin = std::get<qint16>(rolled);
    if (!attack.hit())
        return attack;

    const float r3 = draw();
    const std::optional<qint16> damage = strength ? rollUpTo(*strength, r3) : std::nullopt;
    if (!damage)
        return Unusable::Strength;
    if (!enemyHealth)
        return Unusable::EnemyHealth;
    attack.damage = *damage;
    attack.enemyHealth = std::floor(*enemyHealth) - attack.damage;
    return attack;
}

Ruling<Blast> blast(Number wisdom, Number enemyHealth, double magic, const Draw &draw)
{
    const float r = draw();
    std::optional<qint16> damage = wisdom ? rollUpTo(*wisdom, r) : std::nullopt;
    if (!damage)
        return Unusable::Wisdom;
    if (!enemyHealth)
        return Unusable::EnemyHealth;
    const double health = *enemyHealth;
    if (health < *damage && !(damage = tryInt16(health)))
        return Unusable::EnemyHealth;
    // Never more than the magic there is: 3.5 magic allows a blast of 3.
    if (magic < *damage && !(damage = tryInt16(std::floor(magic))))
        return Unusable::Magic;
    return Blast{*damage, std::floor(health) - *damage, std::floor(magic) - *damage};
}

Ruling<Heal> heal(Number health, Number maximumHealth, Number magic, Number wisdom)
{
    if (!health)
        return Unusable::Health;
    if (!maximumHealth)
        return Unusable::MaximumHealth;
    std::optional<qint16> need = tryInt16(*maximumHealth - *health);
    if (!need)
        return Unusable::MissingHealth;
    if (!magic)
        return Unusable::Magic;
    if (!canSpend(*magic))
        return Heal{Heal::NoMagic};
    // Not refused: looking yourself over still costs the turn.
    if (*need <= 0)
        return Heal{Heal::NotNeeded};
    if (*magic < *need && !(need = tryInt16(std::floor(*magic))))
        return Unusable::Magic;
    if (!wisdom)
        return Unusable::Wisdom;
    if (*wisdom < *need && !(need = tryInt16(*wisdom)))
        return Unusable::Wisdom;
    return Heal{Heal::Healed, *need, std::floor(*health) + *need, std::floor(*magic) - *need};
}

bool EnemyTurn::killed() const
{
    return !(std::floor(health) >= 1);
}

Ruling<EnemyTurn> enemyTurn(Number dexterity, Number health, qint16 enemyStrength, const Draw &draw)
{
    const float r1 = draw();
    const float r2 = draw();
    // The dodge has no + 1: a tie is a hit.
    const auto rolled = margin(dexterity ? tryInt16(std::floor(*dexterity * r1)) : std::nullopt, enemyStrength, r2);
    if (const auto *stopped = std::get_if<Unusable>(&rolled))
        return *stopped;
    EnemyTurn turn;
    turn.margin = std::get<qint16>(rolled);
    if (!turn.hit())
        return turn;

    const float r3 = draw();
    const std::optional<qint16> damage = tryInt16(std::floor(static_cast<float>(enemyStrength) * r3 / 2.0f));
    if (!damage)
        return Unusable::EnemyStrength;
    if (!health)
        return Unusable::Health;
    turn.damage = *damage;
    turn.health = std::floor(*health) - turn.damage;
    return turn;
}

} // namespace BattleRules
