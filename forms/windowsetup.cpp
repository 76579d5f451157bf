#include "forms/windowsetup.h"

#include "accessibility/accessiblefactory.h"
#include "resources/gamepictures.h"

#include <QApplication>

namespace WindowSetup {

void prepare()
{
    static const bool prepared = [] {
        GamePictures::ensureLoaded();
        // Before any form is set up, so that no control is described the default way.
        AccessibleFactory::install();
        // Every window, message boxes included, shows the game's icon.
        if (qApp)
            QApplication::setWindowIcon(GamePictures::applicationIcon());
        return true;
    }();
    Q_UNUSED(prepared);
}

} // namespace WindowSetup
