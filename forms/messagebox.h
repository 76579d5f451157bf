#pragma once

// The game's message boxes: one text, a single OK button, no icon, the
// program's title as caption unless another is given; and its questions,
// one text and two answers. Modal: show() and ask() return when the
// player has closed the box. Tests install a handler that answers a
// message instead of a real box; a question is always the real one.

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

class MessageBox
{
public:
    static void show(const QString &text, const QString &caption = QString());
    // From now on every box, open or to come, is answered at once, its
    // text written to the standard error (a question: no): the program is
    // ending, and nobody may be there to answer. A test's handler still
    // hears the messages.
    static void answerAll();

    // Whether the player gives the answer `accept` (Return, the default),
    // not `decline` (Escape, and the close button).
    static bool ask(const QString &text, const QString &accept, const QString &decline);
    // The box that ask() shows, over `owner`, made but not yet shown; its
    // first button accepts.
    static std::unique_ptr<QMessageBox> question(const QString &text, const QString &accept, const QString &decline,
                                                 QWidget *owner);
    // Whether a window is such a question.
    static bool isQuestion(const QWidget *window);

    using Handler = std::function<void(const QString &text, const QString &caption)>;
    static void setHandler(Handler handler);
    static void clearHandler();
};
