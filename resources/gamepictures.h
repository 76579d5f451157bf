#pragma once

// The pictures built into the program: the map, the title and the
// application icon, compiled from pictures.qrc. Windows call
// ensureLoaded() before setting up their forms, because a static library
// only keeps the pictures when something asks for them; it also makes
// the icon the application's, so that message boxes show it too.
// It also installs the game's accessibility descriptions, which must be
// in place before the first form is set up.

#include "platform/gamefonts.h"

#include <QIcon>

namespace GamePictures {

void ensureLoaded();
QIcon applicationIcon();

// Sets up a window from its design form: the built-in pictures the form
// refers to are loaded first, and the design's fonts matched after.
template <class Form, class Window>
void setUpForm(Form &form, Window *window)
{
    ensureLoaded();
    form.setupUi(window);
    GameFonts::adapt(window);
}

} // namespace GamePictures
