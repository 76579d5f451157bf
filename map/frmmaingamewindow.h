#pragma once

// The map window: the world map with the player and the 21 enemies, the
// statistics and skills panels and the enemy clock. Its controls are the
// whole game state while the program runs; the game logic and the battle
// window read and write them by name through ui and pic_Enemy.
//
// Created once per run by the title window. The constructor runs the
// start-up (Form_Load): pictures, character file, point buttons. Closing
// the window saves the character and ends the program (Form_Unload).

#include "ui_frmMainGameWindow.h"

#include <QWidget>
#include <array>
#include <initializer_list>

class QLabel;
class QTimer;

class frmMainGameWindow : public QWidget
{
    Q_OBJECT

public:
    explicit frmMainGameWindow(QWidget *parent = nullptr);
    ~frmMainGameWindow() override;

    // The one map window, or nullptr when there is none.
    static frmMainGameWindow *current();

    Ui::frmMainGameWindow ui;
    // The enemy roster: the index is the enemy's identity.
    std::array<PictureBox *, 21> pic_Enemy{};
    // The enemy clock: 17 ms, running from the moment the window exists.
    QTimer *Timer1 = nullptr;

    // The seven skill bars, violet to red, in the order of the file.
    std::array<PictureBox *, 7> skillBars() const;

    // Whether start-up ran to its end.
    bool startedUp() const { return m_startedUp; }

    // The enemy clock's tick; public so that tests can step it exactly.
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void loadPictureIfPresent(const QString &suffix, PictureBox *target);

    void pic_WorldMap_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void onWorldMapKey(QKeyEvent *event);
    void cmd_ST_gain_Click();
    void cmd_DX_gain_Click();
    void cmd_WS_gain_Click();
    void cmd_HP_gain_Click();
    void cmd_MP_gain_Click();

    // Every 100th tick: healing in the healing row, then one random step
    // and a chance to come back for each enemy.
    void EnemyPhase();
    void HealInHealingRow(QLabel *current, QLabel *maximum);
    void MoveEnemy(int index);
    // One point spent: each label raised by one, the points lowered by one.
    void SpendPoint(std::initializer_list<QLabel *> raised);

    bool m_startedUp = false;
};
