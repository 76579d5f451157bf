#pragma once

// The game controllers: every controller the system knows, plugged in
// before or while the game runs, reported as presses of its buttons. The
// left stick pushed past its dead zone is a press of the d-pad button of
// that way; a held d-pad button or stick repeats as the desktop repeats a
// held key (KeyRepeat, read when the controllers start). The buttons are
// named by their place, as on the common layout (A below, B right, X left,
// Y above), whatever a brand prints on them or the library's database
// would call them.
//
// One object, made by main() (and by the tests that press buttons) and
// living as long as the application. With no controller there it costs
// one idle notification on the system's input folder; with one, a
// notification on its device, woken only when the controller says
// something. When the library or the system fails, start() says so and
// the game plays on the keyboard alone.

#include "system/keyrepeat.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QSocketNotifier;

class Gamepad : public QObject
{
    Q_OBJECT

public:
    // The buttons of a controller, in the library's own order.
    enum class Button {
        A,
        B,
        X,
        Y,
        Back,
        Guide,
        Start,
        LeftStick,
        RightStick,
        LeftShoulder,
        RightShoulder,
        DpadUp,
        DpadDown,
        DpadLeft,
        DpadRight,
        Misc,
        Paddle1,
        Paddle2,
        Paddle3,
        Paddle4,
        Touchpad,
    };
    Q_ENUM(Button)
    static constexpr int ButtonCount = int(Button::Touchpad) + 1;

    explicit Gamepad(QObject *parent = nullptr);
    ~Gamepad() override;

    // Starts the library's game controller support, opens every controller
    // already there and watches for more. False, with the reason in
    // error(), when it cannot; nothing else changes then.
    bool start();
    QString error() const { return m_error; }

    // Takes in what the controllers have said since the last call: new and
    // lost controllers, buttons, the stick. The device notifications call
    // it; a test calls it after working its virtual controller.
    void update();

    // The controllers open now.
    int controllers() const { return int(m_pads.size()); }

    // The direction a stick at (x, y) stands for: the way it leans most,
    // once past the dead zone; a stick already `pushed` stays so until it
    // comes back well inside. Up is negative y, as the library reports it.
    static std::optional<Button> lean(int x, int y, bool pushed);

signals:
    // A button went down, or a held direction repeats.
    void pressed(Gamepad::Button button, bool repeat);

private:
    struct Pad;
    enum class Source { Dpad, Stick };

    void open(int deviceIndex);
    void close(int instance);
    void onButton(int instance, Button button, bool down);
    void onStick(int instance, int axis, int value);
    void push(int instance, Source source, Button direction);
    void letGo(int instance, Source source);
    void onRepeat();
    void watchInputFolder();

    QString m_error;
    bool m_started = false;
    int m_inotify = -1;
    std::unique_ptr<QSocketNotifier> m_folder;
    QHash<int, std::shared_ptr<Pad>> m_pads;
    // The one direction held now, and who holds it.
    struct Held
    {
        int instance = -1;
        Source source = Source::Dpad;
        Button direction = Button::DpadUp;
    };
    std::optional<Held> m_held;
    // How the desktop repeats a held key, and the timer that does it.
    KeyRepeat m_keyRepeat;
    QTimer m_repeat;
};
