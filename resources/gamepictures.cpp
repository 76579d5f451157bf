#include "resources/gamepictures.h"

static void initPicturesResource()
{
    Q_INIT_RESOURCE(pictures);
}

namespace GamePictures {

void ensureLoaded()
{
    // Registering the pictures again is harmless: Qt keeps them once.
    initPicturesResource();
}

QIcon applicationIcon()
{
    ensureLoaded();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icon16.png"), QSize(16, 16));
    return icon;
}

QPixmap colourSymbol(const QString &fileName)
{
    return QPixmap(QStringLiteral(":/symbols/") + fileName);
}

} // namespace GamePictures
