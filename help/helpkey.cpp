#include "help/helpkey.h"

#include "help/gamekeys.h"
#include "help/helpwindow.h"
#include "hall/hallwindow.h"
#include "battle/frmbattlecontrol.h"
#include "map/frmmaingamewindow.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

void HelpKey::install()
{
    static QPointer<HelpKey> installed;
    if (installed)
        return;
    installed = new HelpKey(qApp);
    qApp->installEventFilter(installed);
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != GameKeys::Help && key->key() != GameKeys::Hall) || key->modifiers() != Qt::NoModifier)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *window = widget ? widget->window() : nullptr;
    const bool titleOrMap = qobject_cast<frmSplash *>(window) || qobject_cast<frmMainGameWindow *>(window);
    if (key->key() == GameKeys::Hall) {
        if (!titleOrMap)
            return false;
        HallWindow::open(window);
        return true;
    }
    if (!titleOrMap && !qobject_cast<frmBattleControl *>(window))
        return false;
    HelpWindow::open(window);
    return true;
}
