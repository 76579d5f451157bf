#pragma once

// The program's own folder: where Character.chx and the Graphics folder
// live. Normally the executable's folder; tests point it elsewhere.

#include <QString>

class ProgramFolder
{
public:
    // Without a trailing separator.
    static QString path();
    static void setOverride(const QString &folder);
    static void clearOverride();
};
