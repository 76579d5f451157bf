#pragma once

// Setting up the game's windows from their design forms. Before the first
// form: the built-in pictures the forms refer to are loaded, the game's
// accessibility descriptions are installed (no control may be described
// the default way), and the game's icon becomes the application's, so that
// message boxes show it too. After each form the design's fonts are
// matched, and in a language written from right to left the window is
// mirrored: its controls change sides and read right to left, while the
// map inside keeps its squares. Every window's constructor calls
// setUpForm() first.

#include "forms/gamefonts.h"

class QWidget;

namespace WindowSetup {

// The program's title: the title window's and every message box's caption.
inline constexpr char ProgramTitle[] = "Chromaland";

// What every form needs before it is set up; the first call does it.
void prepare();

// In a language written from right to left, every control of the window
// and of its frames goes to the mirrored place (x becomes W - x - width)
// and reads right to left; the map's squares and markers stay as they are.
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
