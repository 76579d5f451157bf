#pragma once

// The player's language: the game's catalogue, and Qt's own for its
// standard buttons, for the first of the desktop's languages (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG) that the game speaks. English is the
// language the game is written in: a desktop that puts English (or the C
// locale) before any language the game has a catalogue for gets English,
// exactly as written. Installed once, by main(), before the first window;
// the catalogues live as long as the application.

#include <QLocale>
#include <QStringList>

namespace Language {

// Installs the catalogues for the first language of `wanted` the game
// speaks, stopping at English; returns the catalogue's language ("de",
// "pt_BR"), or an empty text for English.
QString install(const QStringList &wanted);
// The same for the desktop's languages.
QString install();

// Removes the catalogues install() put in: English again.
void clear();

// The languages the game speaks besides English, by their catalogues'
// codes ("de", "pt_BR").
QStringList spoken();

// The language in use, as its catalogue's code ("de", "pt_BR"), or an
// empty text for English.
QString current();

// How the help writes numbers: as the language in use does (a decimal
// comma in German), whatever the desktop's format settings, but always
// with the digits 0 to 9 that the windows' captions use.
QLocale numbers();

// Whether the language in use is written from right to left. Its texts
// then read right to left inside their controls; the windows, the map and
// the arrow keys stay as they are.
bool rightToLeft();

// The end of a line in a caption of several lines: CR LF, and LF alone in
// a language written from right to left, where Qt would leave the carriage
// return's gap at the start of the next line and push its first letter
// out of the box.
QString lineBreak();

} // namespace Language
