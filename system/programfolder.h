#pragma once

// Where the game keeps its files. path() is where Character.chx and the
// Graphics folder live: the executable's folder in the build tree and in a
// portable copy, the player's data folder (created when first asked for)
// in an installed build, which cannot write beside its executable. Tests
// point it elsewhere with setOverride().

#include <QString>

class ProgramFolder
{
public:
    // Without a trailing separator.
    static QString path();
    // Where a dead character's archive goes: the working directory (as
    // ".", so the name stays relative to it) in the build tree and in a
    // portable copy, the same folder as path() in an installed build.
    static QString archiveFolder();
    static void setOverride(const QString &folder);
    static void clearOverride();
};
