#pragma once

// Setting up the game's windows from their design forms. Before the first
// form: the built-in pictures the forms refer to are loaded, the game's
// accessibility descriptions are installed (no control may be described
// the default way), and the game's icon becomes the application's, so that
// message boxes show it too. After each form the design's fonts are
// matched. Every window's constructor calls setUpForm() first.

#include "forms/gamefonts.h"

namespace WindowSetup {

// What every form needs before it is set up; the first call does it.
void prepare();

template <class Form, class Window>
void setUpForm(Form &form, Window *window)
{
    prepare();
    form.setupUi(window);
    GameFonts::adapt(window);
}

} // namespace WindowSetup
