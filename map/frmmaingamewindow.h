#pragma once

// The map window: the world map with the player and the 21 enemies, the
// statistics and skills panels and the enemy clock. Its controls are the
// whole game state while the program runs; the game logic and the battle
// window read and write them by name through controls().
//
// Created once per run by the title window, which then runs its start-up
// (Form_Load): pictures, character file, point buttons. Closing the window
// saves the character and ends the program (Form_Unload); a battle that
// ends in death ends it from the key handler, and so does a request to end
// that came in a battle already won.
//
// The desktop's and the screen reader's own keys (Shift, Ctrl, Caps Lock,
// Insert, ...) do nothing on the map, not even start a battle; PgDown,
// PgUp and the colours' numbers tell a reader of the enemy asked for,
// whose way the map's name then tells after each step (GameKeys says
// which keys do what).
//
// F2 on the map switches the colour symbols, which start-up takes from the
// player's settings: the pictures built into the program on every enemy
// and on the player where the Graphics folder has no picture of its own,
// and the group's mark at the start of each skill bar.

#include "accessibility/pictureboxaccessible.h"
#include "keys/gamekeys.h"
#include "logic/mapcontrols.h"
#include "system/outcome.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QKeyEvent;
class QLabel;
class QTimer;
namespace Ui {
class frmMainGameWindow;
}

class frmMainGameWindow : public QWidget
{
    Q_OBJECT

public:
    explicit frmMainGameWindow(QWidget *parent = nullptr);
    ~frmMainGameWindow() override;

    // The controls that hold the game state, by name.
    const MapControls &controls() const { return m_controls; }

    // Start-up: pictures, character file, point buttons, with the enemy
    // clock held. A failure is shown as "Error: code : description" and
    // gives the end with 1.
    Outcome Form_Load();

    // Asked from outside to end (a signal, the session's end), in any
    // window: from then on no message box waits for an answer, and the
    // character is saved as closing saves it (in a battle still under way
    // as it stood before the battle, which these controls still hold),
    // giving the end. A battle already won is left as Retreat leaves it:
    // once its result is taken, the map saves and ends as closing does.
    // A death under way is left to end the game: its message is answered.
    Outcome endOnRequest();
    // Asked to keep what the game holds (the session commits its data, the
    // compositor is gone): the character is saved, without a word should
    // that fail; the closing that follows says it. A battle already won is
    // left as Retreat leaves it, and saved with its win.
    void keepOnRequest();

    // How encounters open a battle: the battle window, unless replaced
    // (tests script their battles here).
    void setBattle(MapControls::Battle battle);

    // Asks whether to save and quit, the enemies waiting meanwhile; yes
    // closes the window as its close button does.
    void askToSaveAndQuit();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Watches the point buttons: how each was pressed, and arrow keys
    // pressed while one has the focus, which move the player all the same.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The game's design names the handlers; the window's own helpers are
    // camelCase.
    Outcome Form_Unload();
    void nameControls();
    // The enemy clock: a tick every EnemyClock::TickInterval from the moment
    // the window exists.
    QTimer *Timer1 = nullptr;
    void Timer1_Timer();
    // Whether the picture was there and loaded.
    bool loadPictureIfPresent(const QString &suffix, PictureBox *target);
    // A picture of the Graphics folder by name; a box without one is
    // remembered as showing the colour symbol of that name.
    void loadGraphic(const QString &name, PictureBox *target);

    // F2: the colour symbols on or off, remembered and told.
    static bool switchesColourSymbols(const QKeyEvent *event);
    void switchColourSymbols();
    void showColourSymbols(bool on);
    // The player's picture for the square the player stands on.
    void refreshPlayerPicture();

    // Runs a step of the game; a failure that gets out of it is shown to
    // the player as "Error: …". Returns whether the step ran to its end.
    bool reportingFailures(const std::function<void()> &step);

    void pic_WorldMap_KeyDown(GameRules::VirtualKey keyCode, Qt::KeyboardModifiers shift);
    void onWorldMapKey(QKeyEvent *event);
    // PgDown, PgUp and the colours' numbers: the enemy a reader is told of.
    void chooseEnemy(const GameKeys::EnemyChoice &choice);
    QString noneInSight(const GameKeys::EnemyChoice &choice);
    void cmd_ST_gain_Click();
    void cmd_DX_gain_Click();
    void cmd_WS_gain_Click();
    void cmd_HP_gain_Click();
    void cmd_MP_gain_Click();

    // Every 100th tick: healing in the healing row, then one random step
    // and a chance to come back for each enemy.
    void enemyPhase();
    void healInHealingRow(QLabel *current, QLabel *maximum);
    // Each label with the caption it had before the healing.
    void tellHealed(std::initializer_list<std::pair<QLabel *, QString>> before);
    // `before`: the nearest enemy before the enemies moved.
    void soundArrival(const std::optional<PictureBoxAccessible::Nearest> &before);
    void cueNearestEnemy();
    bool watchWorldMap(QEvent *event);
    void moveEnemy(int index);
    // One point spent: each label raised by one, the points lowered by one.
    void spendPoint(std::initializer_list<QLabel *> raised);
    // Saves the character as closing does, after a step of play changed
    // it (a battle's result, a point spent), so that a sudden end loses
    // at most the step under way. A save that fails is told once a run;
    // play goes on, and closing tries again.
    void keepCharacter();

    std::unique_ptr<Ui::frmMainGameWindow> ui;
    MapControls m_controls;
    bool m_startedUp = false;
    // Whether the last point button was pressed from the keyboard: then
    // the focus stays on it while points remain, and the new value is told.
    bool m_pointByKeyboard = false;
    // Whether a reader has been told how to play on the map.
    bool m_toldHowToPlay = false;
    bool m_saveFailureTold = false;
    // Asked to end in a battle already won: the end comes once the
    // battle's result is taken.
    bool m_endAfterBattle = false;

    bool m_colourSymbols = false;
    // The boxes with no picture of the player's own, each with the name of
    // its colour symbol.
    std::vector<std::pair<PictureBox *, QString>> m_symbolBoxes;
    // The marks over the start of the skill bars, made when first shown.
    std::array<PictureBox *, GameRules::ColourCount> m_skillMarks{};
};
