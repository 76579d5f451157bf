#pragma once

// A game controller's buttons as the keys of the window in front: each
// press looks up the key its button stands for there in the table of keys
// (GameKeys) and sends it to that window's focus as the keyboard would, so
// the rules, the focus and what a screen reader hears are the keyboard's.
// A button the window has no row for does nothing. Made once, with the
// application's Gamepad, by install() in main() (and by the tests that
// press buttons), and living as long as the application.

#include "keys/gamekeys.h"

#include <QObject>

class QWidget;

class GamepadKeys : public QObject
{
    Q_OBJECT

public:
    explicit GamepadKeys(Gamepad *gamepad);

    // The game's controllers, started once `first` (the title) has painted
    // its first picture: the library's start (its database, the devices,
    // the system's message buses: some milliseconds) never delays it. When
    // the library fails, the keyboard plays alone and one line on the
    // terminal says why.
    static void install(QWidget *first);

    // Which of the game's windows `window` is, if it is one.
    static std::optional<GameKeys::Window> windowOf(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onPressed(Gamepad::Button button, bool repeat);
    void start();
};
