#pragma once

// The battle's arithmetic, apart from its window: the enemy's strength, the
// strength bars, the player's Attack, Blast and Heal and the enemy's turn,
// each a plain function of numbers that returns what happened. The window
// reads its captions, re-seeds the random source, calls these and writes
// the results back with their lines. Stateless.
//
// A statistic is handed over as the number its caption holds, or nothing
// when the caption is not a number; a rule that needs a value it cannot
// use (no number, or an amount that does not fit in 16 bits) returns which
// one, and the window undoes the move. Draws come from `draw`, in the
// order and number the rules below give.

#include <QtGlobal>
#include <functional>
#include <optional>
#include <variant>

namespace BattleRules {

// A caption's number, if it is one.
using Number = std::optional<double>;
// The next uniform draw in [0, 1).
using Draw = std::function<float()>;

// The value that stopped a move.
enum class Unusable {
    Dexterity,
    Strength,
    Wisdom,
    Health,
    // The health missing to the maximum, where it does not fit.
    MissingHealth,
    MaximumHealth,
    Magic,
    EnemyHealth,
    EnemyStrength,
};

// What a rule rules: its result, or the value that stopped the move.
template <typename Result>
using Ruling = std::variant<Result, Unusable>;

// Both strength bars are this wide at design time; together they never
// exceed it.
inline constexpr double BarTwips = 4560.0;

// The enemy's strength for a battle with enemy `index` (0 to 20) and the
// load's draw: (20 - floor(index)) x 2 + 6 + floor(5r + 2), so 8 to 52.
std::optional<qint16> enemyStrength(double index, float r);

struct StrengthBars
{
    float player = 0;
    float enemy = 0;
};
// Widths in twips on one scale, floor(4560 / (Strength + enemy strength))
// twips a point, so that together they never exceed one design bar; nothing
// when the scale or the enemy's width does not fit in 16 bits.
std::optional<StrengthBars> strengthBars(double strength, qint16 enemyStrength);

// Whether an enemy of that health is dead: below 1, rounded down.
bool defeated(double enemyHealth);

// Whether there is magic to spend: 1 or more.
bool canSpend(double magic);

struct Attack
{
    // The player's roll less the enemy's: above 0 is a hit.
    qint16 margin = 0;
    qint16 damage = 0;
    double enemyHealth = 0;
    bool hit() const { return margin > 0; }
};
// Draws r1 and r2: floor(Dexterity r1) + 1 in double precision against
// floor(enemy strength r2) + 1 in single precision. A hit draws r3 for
// floor(Strength r3) + 1 damage off the enemy's health, rounded down.
Ruling<Attack> attack(Number dexterity, Number strength, Number enemyHealth, qint16 enemyStrength, const Draw &draw);

struct Blast
{
    qint16 damage = 0;
    double enemyHealth = 0;
    double magic = 0;
};
// For `magic` of 1 or more. Draws r: floor(Wisdom r) + 1, then no more
// than the enemy's health and no more than the whole magic there is.
Ruling<Blast> blast(Number wisdom, Number enemyHealth, double magic, const Draw &draw);

struct Heal
{
    enum Kind { NoMagic, NotNeeded, Healed };
    Kind kind = Healed;
    qint16 amount = 0;
    double health = 0;
    double magic = 0;
};
// The smallest of the missing health, the whole magic and Wisdom; a player
// at full health, or with less than 1 magic, heals nothing. No draws.
Ruling<Heal> heal(Number health, Number maximumHealth, Number magic, Number wisdom);

struct EnemyTurn
{
    // The player's dodge less the enemy's roll: above 0 is a miss.
    qint16 margin = 0;
    qint16 damage = 0;
    double health = 0;
    bool hit() const { return margin <= 0; }
    // Whether the player is left with less than 1 health.
    bool killed() const;
};
// Draws r1 and r2: the dodge floor(Dexterity r1) (no + 1: a tie is a hit)
// against floor(enemy strength r2) + 1. A hit draws r3 for
// floor(enemy strength r3 / 2) damage in single precision.
Ruling<EnemyTurn> enemyTurn(Number dexterity, Number health, qint16 enemyStrength, const Draw &draw);

} // namespace BattleRules
