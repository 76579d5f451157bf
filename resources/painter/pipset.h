#pragma once

// The pip set: pictures for the Graphics folder that tell the seven enemy
// groups apart without their colours. Each enemy keeps its group's colour
// and carries one to seven pips, as many as its group is strong (red one,
// violet seven); the player is white in a dark frame, with a red cross in
// the healing row. Painted pixel by pixel, so every build gives the same
// files; the pip painter writes them once per build and ends.

#include <QImage>
#include <QString>

#include <vector>

namespace PipSet {

struct Picture
{
    QString fileName; // as the Graphics folder names it, e.g. "Enemy_7.bmp"
    QImage image; // 16 x 16
};

// The 23 pictures: Player.bmp, Player_Healing.bmp, Enemy_0.bmp to Enemy_20.bmp.
std::vector<Picture> paint();

// Writes the pictures as bitmaps into the folder, creating it; says on
// standard error what could not be written.
bool write(const QString &folder);

} // namespace PipSet
