#pragma once

// Shared fixture for the game's tests: a temporary program folder, a
// temporary configuration folder for the player's settings (never the
// real one), message boxes answered and recorded, the end of the program recorded (the
// handler that ends it then returns, as it does after ending), a fixed
// clock and an empty random script. Create one per test function;
// everything is put back when it goes.
//
// While a Sandbox lives, a watchdog fails the test at once when a battle
// or any other modal window opens that the test did not announce with
// BattlesExpected, and closes it, instead of leaving the test to hang.

#include "accessibility/accessibleupdates.h"
#include "logic/mapcontrols.h"
#include "system/gamepad.h"
#include "system/outcome.h"
#include "widgets/picturebox.h"

#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

class frmMainGameWindow;
class QTextEdit;
class QTableView;
class HallModel;

// lbl_EnemyTag's caption after the player's death, and the enemy's health
// after a kill.
inline const QString Dead = QStringLiteral("DEAD");
// The largest draw below 1.
constexpr float AlmostOne = 0x1.fffffep-1f;

class Sandbox
{
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    QString folder() const { return m_dir.path(); }
    // The player's configuration folder ($XDG_CONFIG_HOME) while it lives.
    QString configFolder() const { return m_config.path(); }
    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

    // A character file of these lines, each ended by CR LF.
    static QByteArray lines(const QStringList &lines);
    void writeCharacter(const QStringList &lines) const;
    static QStringList defaultLines();

    // Opens the map window on the current folder (start-up runs now); a
    // start-up that ends the program gives nullptr.
    frmMainGameWindow *openMap();
    // Closes the map window as the player does; the save ends the program.
    void close(frmMainGameWindow *map);
    // Runs a step of the game; returns whether it ended the program.
    bool endsProgram(const std::function<void()> &step);

    QStringList messages; // texts of the boxes shown, in order
    QStringList captions; // their captions
    QList<int> ends; // exit codes of recorded program ends
    // The names of the sounds the game played (none reach a device), with
    // the sound on and the enemy cue as the player left it.
    QStringList sounds;
    // Called while a box is "open", after it is recorded.
    std::function<void(const QString &text)> onMessage;

    static const QDateTime FixedMoment;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
    QByteArray m_oldConfigHome;
    frmMainGameWindow *m_map = nullptr;
    QTimer m_watchdog;
};

// Stands in for the battle window in every battle the map opens from now
// on: records the enemy index each was given and whether the enemy clock
// was paused, then leaves the result `act` writes (a retreat unless told).
class BattleScript
{
public:
    using Act = std::function<void(const MapControls &)>;
    explicit BattleScript(frmMainGameWindow *map, Act act = retreat);
    static void retreat(const MapControls &map);

    QStringList tags;
    bool pausedDuringBattle = true;
    // What every battle leaves behind.
    BattleEnd end;
};

// While one lives, modal windows are the test's own business.
class BattlesExpected
{
public:
    BattlesExpected();
    ~BattlesExpected();
    static bool active();
};

// While one lives, the game believes a screen reader listens: what would
// go to the accessibility bus goes to `seen` instead, and the lines the
// game announces are kept.
class ReaderListening
{
public:
    explicit ReaderListening(AccessibleUpdates::Forward seen = {});
    ~ReaderListening();
    ReaderListening(const ReaderListening &) = delete;
    ReaderListening &operator=(const ReaderListening &) = delete;

    // The lines announced since it began, or since forget().
    QStringList lines() const { return m_lines; }
    void forget() { m_lines.clear(); }
    // As if the reader went and another came.
    void comeAgain();

private:
    QStringList m_lines;
};

class HelpWindow;
// Presses `key` on `target` with F1 installed as main() installs it; while
// the help that opens is up, runs `look` on it, then closes it with Escape.
// Returns whether the help opened.
bool helpOpensOn(QWidget *target, QKeyCombination key, const std::function<void(HelpWindow &)> &look = {});
// The same for any way of pressing: `press` presses.
bool helpOpensOn(const std::function<void()> &press, const std::function<void(HelpWindow &)> &look = {});

class HallWindow;
// The same for F3 and the hall of the fallen.
bool hallOpensOn(const std::function<void()> &press, const std::function<void(HallWindow &)> &look = {});
// The same for Ctrl+Q on the map and the question whether to save and
// quit, which Escape declines.
bool questionOpensOn(const std::function<void()> &press);
// Writes three fallen characters into the sandbox's history, the best (50
// points earned) neither first nor newest; the newest earned 12.
void writeThreeFallen();

struct _SDL_Joystick;

// A controller in the process, worked through the library's own virtual
// device: as the library sees it, a controller like any other. `mappings`
// are lines of the library's controller database for this controller,
// without its id, taken in before the game opens it. Unplugged when it goes.
class VirtualPad
{
public:
    explicit VirtualPad(Gamepad &gamepad, const QList<QByteArray> &mappings = {});
    ~VirtualPad();
    VirtualPad(const VirtualPad &) = delete;
    VirtualPad &operator=(const VirtualPad &) = delete;
    void unplug();
    // Down and up again, and whatever the press does to the windows.
    void press(Gamepad::Button button) { press(button, -1, 0); }
    // The stick or a trigger pushed all the way along `axis` and back, or
    // else the button.
    void press(Gamepad::Button button, int axis, int value);
    // The button, or the stick along `axis`, held down or let go, as the
    // library reports it to the game; nothing else is run.
    void set(Gamepad::Button button, int axis, int value, bool down);
    // The library's own button `index`, down and up again: what a
    // database line maps it to is the game's business.
    void pressRaw(int index);

private:
    Gamepad &m_gamepad;
    _SDL_Joystick *m_joystick = nullptr;
};

// A BMP file of one colour.
QByteArray bitmapFile(QSize size, const QColor &colour);
// Puts a marker on a square.
void place(PictureBox *box, float left, float top);
// A window's clock, the timer named Timer1.
QTimer *clockOf(const QObject *window);
// One tick of a window's clock, given as its timer gives it.
void tick(const QObject *window);
// The enemy clock's 100th tick: one enemy phase.
void runEnemyPhase(frmMainGameWindow *map);
// The map window on screen, as the title's key shows it; nullptr while none is.
frmMainGameWindow *shownMap();
// The help window's page.
QTextEdit *helpText(const QObject *help);
// The hall of the fallen's table, and the model it shows.
QTableView *hallTable(const QObject *hall);
const HallModel *hallModel(const QObject *hall);

// The child of that name, or a test failure and a stop.
QObject *requireChild(const QObject *parent, const char *name);
template <class T>
T *control(const QObject *parent, const char *name)
{
    T *child = qobject_cast<T *>(requireChild(parent, name));
    if (!child)
        qFatal("control %s is not of the expected kind", name);
    return child;
}
template <class T, class Owner>
T *control(const std::unique_ptr<Owner> &parent, const char *name)
{
    return control<T>(parent.get(), name);
}

namespace QTest {
// "end 1" or "carry on", in a failed comparison.
template <>
inline char *toString(const Outcome &outcome)
{
    return qstrdup(outcome.ends() ? QByteArray("end " + QByteArray::number(outcome.exitCode())).constData()
                                  : "carry on");
}
} // namespace QTest
