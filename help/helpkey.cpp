#include "help/helpkey.h"

#include "help/gamekeys.h"
#include "help/helpwindow.h"
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
    if (key->key() != GameKeys::Help || key->modifiers() != Qt::NoModifier)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *window = widget ? widget->window() : nullptr;
    if (!qobject_cast<frmSplash *>(window) && !qobject_cast<frmMainGameWindow *>(window)
        && !qobject_cast<frmBattleControl *>(window))
        return false;
    HelpWindow::open(window);
    return true;
}
