#include "input/functionkeys.h"

#include "help/helpwindow.h"
#include "hall/hallwindow.h"
#include "title/frmsplash.h"
#include "map/frmmaingamewindow.h"
#include "battle/frmbattlecontrol.h"
#include "keys/gamekeys.h"

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
    if ((key->key() != GameKeys::Help && key->key() != GameKeys::Hall) || key->modifiers() != Qt::NoModifier)
        return false;
    const bool titleOrMap = qobject_cast<frmSplash *>(window) || qobject_cast<frmMainGameWindow *>(window);
    if (key->key() == GameKeys::Hall) {
        if (!titleOrMap)
            return false;
        HallWindow::showOver(window);
        return true;
    }
    if (!titleOrMap && !qobject_cast<frmBattleControl *>(window))
        return false;
    HelpWindow::showOver(window);
    return true;
}
