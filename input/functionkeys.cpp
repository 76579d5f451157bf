#include "input/functionkeys.h"

#include "help/helpwindow.h"
#include "hall/hallwindow.h"
#include "title/frmsplash.h"
#include "map/frmmaingamewindow.h"
#include "battle/frmbattlecontrol.h"
#include "keys/gamekeys.h"
#include "forms/notice.h"
#include "system/playersettings.h"
#include "system/sound.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

void FunctionKeys::install()
{
    static QPointer<FunctionKeys> installed;
    if (installed)
        return;
    installed = new FunctionKeys(qApp);
    qApp->installEventFilter(installed);
}

namespace {

// F4: the game's sound off or on, kept for the next start, and said.
void switchSound(QWidget *window)
{
    Sound::setOn(!Sound::on());
    PlayerSettings::setSound(Sound::on());
    //: Shown for a moment over the window, and told to a screen reader, when F4 brings the game's sound back.
    const QString on = FunctionKeys::tr("Sound on");
    //: Shown and told when F4 silences the game.
    const QString off = FunctionKeys::tr("Sound off");
    Notice::show(window, Sound::on() ? on : off);
}

// F5: the cue to the nearest enemy after each step on or off, kept.
void switchEnemyCue(QWidget *window)
{
    const bool on = !Sound::cueOn();
    Sound::setCueChoice(on);
    PlayerSettings::setEnemyCue(on);
    //: Shown and told when F5 switches on the sound that points to the nearest enemy after each step.
    const QString cueOn = FunctionKeys::tr("Enemy cue on");
    //: Shown and told when F5 switches the enemy cue off.
    const QString cueOff = FunctionKeys::tr("Enemy cue off");
    Notice::show(window, on ? cueOn : cueOff);
}

} // namespace

bool FunctionKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *window = widget ? widget->window() : nullptr;
    if (key->keyCombination() == GameKeys::SaveAndQuit) {
        auto *map = qobject_cast<frmMainGameWindow *>(window);
        if (!map)
            return false;
        // Held down, it asks once.
        if (!key->isAutoRepeat())
            map->askToSaveAndQuit();
        return true;
    }
    const QList<Qt::Key> ours{GameKeys::Help, GameKeys::Hall, GameKeys::SoundSwitch, GameKeys::EnemyCue};
    if (!ours.contains(Qt::Key(key->key())) || key->modifiers() != Qt::NoModifier)
        return false;
    const bool titleOrMap = qobject_cast<frmSplash *>(window) || qobject_cast<frmMainGameWindow *>(window);
    const bool battle = qobject_cast<frmBattleControl *>(window);
    if (key->key() == GameKeys::SoundSwitch) {
        if (!titleOrMap && !battle)
            return false;
        // Held down, it switches once.
        if (!key->isAutoRepeat())
            switchSound(window);
        return true;
    }
    if (key->key() == GameKeys::EnemyCue) {
        if (!qobject_cast<frmMainGameWindow *>(window))
            return false;
        if (!key->isAutoRepeat())
            switchEnemyCue(window);
        return true;
    }
    if (key->key() == GameKeys::Hall) {
        if (!titleOrMap)
            return false;
        HallWindow::showOver(window);
        return true;
    }
    if (!titleOrMap && !battle)
        return false;
    HelpWindow::showOver(window);
    return true;
}
