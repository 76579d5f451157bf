#pragma once

// The pictures built into the program: the map, the title and the
// application icon, compiled from pictures.qrc, and the colour symbols,
// the pip set the build paints. ensureLoaded() must run
// before a form refers to them (forms/windowsetup.h sees to it),
// because a static library only keeps the pictures when something asks
// for them.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace GamePictures {

void ensureLoaded();
QIcon applicationIcon();
// A picture of the colour symbols, by its name in the Graphics folder
// ("Enemy_7.bmp", "Player_Healing.bmp").
QPixmap colourSymbol(const QString &fileName);

} // namespace GamePictures
