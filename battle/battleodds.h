#pragma once

// The chance that a character wins a battle, worked out exactly from the
// battle's rules (battle/battlerules) for the help's advice: every draw of
// every move is weighed, and the player never retreats. Stateless; the
// work is done afresh on each call.

#include <QtGlobal>

namespace BattleOdds {

// The player's values as numbers.
struct Fighter
{
    double strength = 0;
    double dexterity = 0;
    double wisdom = 0;
    double health = 0;
    double magic = 0;
};

enum class Tactic {
    // Attack, move after move.
    AttackOnly,
    // Blast while there is Magic to spend, then Attack.
    BlastFirst,
};

// The chance, from 0 to 1, of defeating an enemy of that strength before
// dying.
double win(const Fighter &player, qint16 enemyStrength, Tactic tactic);

// The new character's values, from the default character file.
Fighter newCharacter();

} // namespace BattleOdds
