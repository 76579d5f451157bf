#pragma once

// The battle window: one fight between the player and the enemy whose
// index the map window's lbl_EnemyTag holds. Created fresh for every
// battle by the game logic, owned by the map window and shown modally;
// it hands the result and the player's health and magic back through the
// map window's labels before it hides itself.

#include "ui_frmBattleControl.h"

#include <QDialog>

class frmMainGameWindow;

class frmBattleControl : public QDialog
{
    Q_OBJECT

public:
    explicit frmBattleControl(frmMainGameWindow *owner);

    Ui::frmBattleControl ui;
};
