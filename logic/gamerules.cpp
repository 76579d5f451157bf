#include "logic/gamerules.h"

#include <QCoreApplication>

namespace GameRules {

QString attackInstruction()
{
    return QCoreApplication::translate("GameRules",
                                       "ATTACK: Your Dexterity decides how often you will hit the enemy in combat. "
                                       "If you do hit then your Strength determines how much damage you inflict.");
}

QString retreatInstruction()
{
    return QCoreApplication::translate("GameRules", "RETREAT: You run away before the enemy can attack again.");
}

} // namespace GameRules
