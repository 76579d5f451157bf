#pragma once

// The pause of the enemy clock: the flag the clock reads, and the guard that
// holds it. Map start-up, every battle, the help and the hall each make a
// guard, and the clock runs again however they end. The help opens inside a
// battle too: closing it leaves the clock as the battle holds it.

namespace modGameLogicCode {

// While true the enemy clock does nothing.
extern bool EnemiesPaused;

} // namespace modGameLogicCode

class PausedEnemies
{
public:
    PausedEnemies() { modGameLogicCode::EnemiesPaused = true; }
    ~PausedEnemies() { modGameLogicCode::EnemiesPaused = m_before; }
    PausedEnemies(const PausedEnemies &) = delete;
    PausedEnemies &operator=(const PausedEnemies &) = delete;

private:
    const bool m_before = modGameLogicCode::EnemiesPaused;
};
