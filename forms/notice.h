#pragma once

// A short line over the top of a window for a few seconds, told to a
// screen reader at the same time: what a switch of the whole game (the
// sound, F4) says where nothing else shows it. One label a window, made
// when first needed and living with the window; a new line replaces the
// one shown and starts its time again.

class QString;
class QWidget;

namespace Notice {

// How long a line stays.
inline constexpr int ShownMs = 2500;

void show(QWidget *window, const QString &line);

} // namespace Notice
