#pragma once

#include <QString>

class QImage;

// Writes a baseline JPEG with full-resolution colour (4:4:4, no chroma
// subsampling). Qt's own JPEG writer always halves the colour resolution,
// which smears the map's one-pixel grid lines and tile outlines.
bool writeJpeg444(const QImage &image, const QString &path, int quality, QString *error = nullptr);
