#pragma once

// Holds the enemy clock for as long as it lives: map start-up and every
// battle create one, and the clock runs again however they end.

#include "logic/modgamelogiccode.h"

class PausedEnemies
{
public:
    PausedEnemies() { modGameLogicCode::EnemiesPaused = true; }
    ~PausedEnemies() { modGameLogicCode::EnemiesPaused = false; }
    PausedEnemies(const PausedEnemies &) = delete;
    PausedEnemies &operator=(const PausedEnemies &) = delete;
};
