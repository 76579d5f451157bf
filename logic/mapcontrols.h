#pragma once

// The map window's controls that hold the game state, by name: the eight
// statistic captions, the five point buttons, the seven skill bars, the
// enemy markers, the player marker and the battle's hand-over label; and
// the way a battle is opened. The rules and the battle window read and
// write the game through this and nothing else of the map window.
//
// The map window fills one in as it is set up and hands it to every rule
// it calls; the pointers are the window's own children and live as long
// as the window.

#include "logic/gamerules.h"

#include <QString>
#include <array>
#include <functional>

class PictureBox;
class QLabel;
class QPushButton;
class QWidget;

// What a battle leaves behind for the record of a death: the enemy's
// strength and the battle's last lines as its window showed them.
struct BattleEnd
{
    qint16 enemyStrength = 0;
    QString lastLines;
};

struct MapControls
{
    // The map window itself: the owner of the battle window and of the
    // game's message boxes.
    QWidget *window = nullptr;

    QLabel *lbl_ST_val = nullptr;
    QLabel *lbl_DX_val = nullptr;
    QLabel *lbl_WS_val = nullptr;
    QLabel *lbl_HP_val = nullptr;
    QLabel *lbl_HP_max = nullptr;
    QLabel *lbl_MP_val = nullptr;
    QLabel *lbl_MP_max = nullptr;
    QLabel *lbl_Points_val = nullptr;

    // Strength, Dexterity, Wisdom, Health, Magic.
    std::array<QPushButton *, 5> gainButtons{};
    // Violet to red (GameRules::Colour).
    std::array<PictureBox *, GameRules::ColourCount> skillBars{};
    // The enemy roster: the index is the enemy's identity.
    std::array<PictureBox *, GameRules::EnemyCount> pic_Enemy{};
    PictureBox *pic_Player = nullptr;
    // Enemy index in, "Retreat", "DEAD" or the unchanged index out.
    QLabel *lbl_EnemyTag = nullptr;

    // Runs one battle against the enemy whose index lbl_EnemyTag holds and
    // returns once it is over, its result in lbl_EnemyTag and Health and
    // Magic copied back. The map window opens its battle window here; tests
    // put a scripted battle in its place.
    using Battle = std::function<BattleEnd(const MapControls &map)>;
    Battle openBattle;

    // The statistics in the order of the character file's first lines.
    std::array<QLabel *, GameRules::StatisticLines> statistics() const
    {
        return {lbl_ST_val, lbl_DX_val, lbl_WS_val, lbl_HP_val, lbl_HP_max, lbl_MP_val, lbl_MP_max, lbl_Points_val};
    }
};
