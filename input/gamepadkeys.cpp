#include "input/gamepadkeys.h"

#include "help/helpwindow.h"
#include "hall/hallwindow.h"
#include "forms/messagebox.h"
#include "system/gameerror.h"
#include "battle/frmbattlecontrol.h"
#include "map/frmmaingamewindow.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace {

// The character a key gives, as the keyboard gives it: the title starts
// only on keys that give one.
QString textOf(QKeyCombination press)
{
    const int key = press.key();
    if (key < Qt::Key_Space || key > Qt::Key_AsciiTilde
        || press.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return QString();
    return QString(QChar(key).toLower());
}

} // namespace

GamepadKeys::GamepadKeys(Gamepad *gamepad)
    : QObject(gamepad)
{
    // Queued: the library has been read to its end before a press acts,
    // so that a press that opens a modal window (a battle, the help) never
    // holds a half-read library or a button not yet seen released.
    connect(gamepad, &Gamepad::pressed, this, &GamepadKeys::onPressed, Qt::QueuedConnection);
}

void GamepadKeys::install(QWidget *first)
{
    auto *keys = new GamepadKeys(new Gamepad(qApp));
    first->installEventFilter(keys);
}

bool GamepadKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After the picture has gone out, not in its way.
        QTimer::singleShot(0, this, &GamepadKeys::start);
    }
    return false;
}

void GamepadKeys::start()
{
    auto *gamepad = static_cast<Gamepad *>(parent());
    if (!gamepad->start())
        qWarning("%s", qPrintable(GameError(GameError::DeviceUnavailable, gamepad->error()).report()));
}

std::optional<GameKeys::Window> GamepadKeys::windowOf(const QWidget *window)
{
    if (MessageBox::isQuestion(window))
        return GameKeys::Window::Question;
    if (qobject_cast<const QMessageBox *>(window))
        return GameKeys::Window::MessageBox;
    if (qobject_cast<const HelpWindow *>(window))
        return GameKeys::Window::Help;
    if (qobject_cast<const HallWindow *>(window))
        return GameKeys::Window::Hall;
    if (qobject_cast<const frmBattleControl *>(window))
        return GameKeys::Window::Battle;
    if (qobject_cast<const frmMainGameWindow *>(window))
        return GameKeys::Window::Map;
    if (qobject_cast<const frmSplash *>(window))
        return GameKeys::Window::Title;
    return std::nullopt;
}

void GamepadKeys::onPressed(Gamepad::Button button, bool repeat)
{
    // The window that has the keyboard: a controller plays where the keys
    // would, and nowhere while the game is in the background.
    QWindow *handle = QGuiApplication::focusWindow();
    QWidget *window = nullptr;
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (handle && shown->windowHandle() == handle)
            window = shown;
    }
    const std::optional<GameKeys::Window> kind = windowOf(window);
    if (!kind)
        return;
    const std::optional<QKeyCombination> press = GameKeys::pressOf(*kind, button);
    if (!press)
        return;
    const int key = press->key();
    const Qt::KeyboardModifiers modifiers = press->keyboardModifiers();
    const QString text = textOf(*press);
    // Through the window system's own way in, as a key from the keyboard:
    // shortcuts (a battle button's Alt+letter), the application's filters
    // (F1) and the focus see it exactly so.
    const QPointer<QWindow> target = handle;
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(target, QEvent::KeyPress, key,
                                                                                        modifiers, text, repeat);
    // The press may have closed the window for good (the title, once the
    // map is up).
    if (target)
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            target, QEvent::KeyRelease, key, modifiers, text, repeat);
}
