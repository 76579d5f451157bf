#pragma once

// Setting up the game's windows from their design forms. Before the first
// form: the built-in pictures the forms refer to are loaded, the game's
// accessibility descriptions are installed (no control may be described
// the default way), and the game's icon becomes the application's, so that
// message boxes show it too. After each form the design's fonts are
// matched, and in a language written from right to left its texts read
// right to left inside their controls. Every window's constructor calls
// setUpForm() first.

#include "forms/gamefonts.h"

class QWidget;

namespace WindowSetup {

// What every form needs before it is set up; the first call does it.
void prepare();

// In a language written from right to left, the window's labels, buttons
// and frame captions read right to left; their places stay.
void readInLanguageDirection(QWidget *window);

template <class Form, class Window>
void setUpForm(Form &form, Window *window)
{
    prepare();
    form.setupUi(window);
    GameFonts::adapt(window);
    readInLanguageDirection(window);
}

} // namespace WindowSetup
