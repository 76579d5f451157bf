#include "resources/gamepictures.h"

#include "platform/accessiblefactory.h"

#include <QApplication>

static void initPicturesResource()
{
    Q_INIT_RESOURCE(pictures);
}

namespace GamePictures {

void ensureLoaded()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    initPicturesResource();
    // Before any form is set up, so that no control is described the default way.
    AccessibleFactory::install();
    // Every window, message boxes included, shows the game's icon.
    if (qApp)
        QApplication::setWindowIcon(applicationIcon());
}

QIcon applicationIcon()
{
    ensureLoaded();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icon16.png"), QSize(16, 16));
    return icon;
}

} // namespace GamePictures
