#pragma once

// The battle window: one fight between the player and the enemy whose
// index the map window's lbl_EnemyTag holds. Created fresh for every
// battle by the game logic, which hands it the map window's controls;
// owned by the map window and shown modally;
// it hands the result and the player's health and magic back through the
// map window's labels before it hides itself.
//
// The constructor loads the battle (Form_Load): it rolls the enemy's
// strength, sizes and colours the two strength bars and copies health and
// magic in. The battle then lives in the window's own labels; the player's
// other statistics are read afresh from the map window whenever an action
// needs them.
//
// A battle ends only through Retreat or the player's death, or, once its
// enemy is defeated, when the game is asked from outside to end (leaveWon).
// Escape, a close request and closing the map window behind it are
// ignored, and no button is pressed by Enter. A battle that cannot be set
// up (a character whose Strength is not a number of 0 or more, or an enemy
// index with no marker) is called off at load with a message, as a
// retreat; exec() then returns at once. An action that meets a statistic
// it cannot use is undone as a whole and says why in the status line. A
// death is told to a screen reader (the enemy, its strength, the last
// lines) before the message that says it.

#include "battle/battlerules.h"
#include "logic/mapcontrols.h"
#include "resources/soundset.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class frmBattleControl;
}

class frmBattleControl : public QDialog
{
    Q_OBJECT

public:
    explicit frmBattleControl(const MapControls &map);
    ~frmBattleControl() override;

    // The enemy's strength and the status line's text as it stands.
    BattleEnd end() const;

    int exec() override;
    void setVisible(bool visible) override;
    // Escape and close requests end nothing.
    void reject() override;

    // Asked from outside to end the game while the enemy is already
    // defeated: the battle is left as Retreat leaves it, with the win, and
    // what is open over it (its help) closes. Returns whether it was left.
    bool leaveWon();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The instructions are told as the battle opens; when the window is
    // active again (the help closed), a reader says only where it is.
    bool event(QEvent *event) override;

private:
    // The game's design names the handlers, its procedures and
    // EnemyStrength; the window's own helpers are camelCase, its own
    // members m_-prefixed.
    void Form_Load();
    void ClearStatus();

    void cmd_Attack_Click();
    void cmd_Blast_Click();
    void cmd_Heal_Click();
    void cmd_Retreat_Click();

    // What stopped a move, if a value did; nothing when the move ran.
    using Refusal = std::optional<BattleRules::Unusable>;

    Refusal CheckEnemyDead();
    Refusal EnemyAttack();
    void ReturnStatsToMap();

    // The player's moves, each answered by the enemy's turn.
    Refusal attack();
    Refusal blast();
    Refusal heal();
    // Runs one of the player's moves; a refused move is rolled back and
    // the status line says which value stopped it.
    void playerTurn(Refusal (frmBattleControl::*move)());
    bool enemyDefeated() const;
    QString refusalLine(BattleRules::Unusable value) const;
    static QString noMagicLine();
    void appendStatus(const QString &line);
    // The turn's sounds, heard once the turn stands: a refused move is
    // rolled back, its sounds with it.
    void hear(SoundSet::Effect effect);
    void playSounds();
    void callOff(const QString &reason);
    void tellDeath();
    void endBattle();

    std::unique_ptr<Ui::frmBattleControl> ui;
    const MapControls m_map;
    qint16 EnemyStrength = 0;
    // The enemy's marker on the map, once the battle is set up.
    const PictureBox *m_enemy = nullptr;
    bool m_battleOver = false;
    std::vector<SoundSet::Effect> m_sounds;
    bool m_activated = false;
};
