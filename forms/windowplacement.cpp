#include "forms/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

void keepSize(QWidget *window)
{
    const QSize size = window->size();
    window->setMinimumSize(size);
    window->setMaximumSize(windowsCanBePlaced() ? size : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

bool windowsCanBePlaced()
{
    // Every Wayland shell Qt speaks ("wayland", "wayland-egl", ...).
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void centreOnScreen(QWidget *window)
{
    if (!windowsCanBePlaced())
        return;
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void centreOn(QWidget *window, const QWidget *owner)
{
    if (!owner || !windowsCanBePlaced())
        return;
    const QWidget *ownerWindow = owner->window();
    const QMargins margins = frameMargins(ownerWindow);
    const QRect ownerFrame = ownerWindow->geometry().marginsAdded(margins);
    const QSize frame = window->size().grownBy(margins);
    // A window's position is that of its frame.
    window->move(ownerFrame.x() + (ownerFrame.width() - frame.width()) / 2,
                 ownerFrame.y() + (ownerFrame.height() - frame.height()) / 2);
}

QMargins frameMargins(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    if (!frame.contains(inside))
        return QMargins();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                    frame.bottom() - inside.bottom());
}

void activate(QWidget *window)
{
    window->raise();
    window->activateWindow();
}

} // namespace WindowPlacement
