#pragma once

// The game's message boxes: one text, a single OK button, no icon, the
// program's title as caption unless another is given. Modal: show()
// returns when the player has closed the box. Tests install a handler
// that answers instead of a real box.

#include <QString>
#include <functional>

class MessageBox
{
public:
    static void show(const QString &text, const QString &caption = QString());
    // From now on every box, open or to come, is answered at once, its
    // text written to the standard error: the program is ending, and
    // nobody may be there to answer. A test's handler still hears them.
    static void answerAll();

    using Handler = std::function<void(const QString &text, const QString &caption)>;
    static void setHandler(Handler handler);
    static void clearHandler();
};
