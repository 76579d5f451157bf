#include "accessibility/accessiblefactory.h"

#include "accessibility/accessibleupdates.h"
#include "accessibility/labelaccessible.h"
#include "widgets/picturebox.h"
#include "accessibility/pictureboxaccessible.h"
#include "accessibility/windowaccessible.h"

#include <QDialog>
#include <QLabel>

namespace {

QAccessibleInterface *gameInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    if (className == QLatin1String("QLabel"))
        return new LabelAccessible(static_cast<QLabel *>(object));
    if (className == QLatin1String("QWidget") && static_cast<QWidget *>(object)->isWindow()
        && !qobject_cast<QDialog *>(object))
        return new WindowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

namespace AccessibleFactory {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(gameInterface);
    AccessibleUpdates::install();
}

} // namespace AccessibleFactory
