#pragma once

// The pictures built into the program: the map, the title and the
// application icon, compiled from pictures.qrc. ensureLoaded() must run
// before a form refers to them (forms/windowsetup.h sees to it),
// because a static library only keeps the pictures when something asks
// for them.

#include <QIcon>

namespace GamePictures {

void ensureLoaded();
QIcon applicationIcon();

} // namespace GamePictures
