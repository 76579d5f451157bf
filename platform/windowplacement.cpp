#include "platform/windowplacement.h"

#include <QWidget>
#include <QWindow>

namespace WindowPlacement {

void centreOn(QWidget *window, const QWidget *owner)
{
    if (!owner)
        return;
    const QWidget *ownerWindow = owner->window();
    const QWindow *ownerHandle = ownerWindow->windowHandle();
    const QMargins margins = ownerHandle ? ownerHandle->frameMargins() : QMargins();
    const QRect ownerFrame = ownerWindow->frameGeometry();
    const QSize frame = window->size().grownBy(margins);
    // A window's position is that of its frame.
    window->move(ownerFrame.x() + (ownerFrame.width() - frame.width()) / 2,
                 ownerFrame.y() + (ownerFrame.height() - frame.height()) / 2);
}

} // namespace WindowPlacement
