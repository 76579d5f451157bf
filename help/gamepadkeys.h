#pragma once

// A game controller's buttons as the keys of the window in front: each
// press looks up the key its button stands for there in the table of keys
// (GameKeys) and sends it to that window's focus as the keyboard would, so
// the rules, the focus and what a screen reader hears are the keyboard's.
// A button the window has no row for does nothing. Made once by main()
// (and by the tests that press buttons) over the application's Gamepad,
// and living as long as the application.

#include "help/gamekeys.h"

#include <QObject>

class QWidget;

class GamepadKeys : public QObject
{
    Q_OBJECT

public:
    explicit GamepadKeys(Gamepad *gamepad);

    // Which of the game's windows `window` is, if it is one.
    static std::optional<GameKeys::Window> windowOf(const QWidget *window);

private:
    void onPressed(Gamepad::Button button, bool repeat);
};
