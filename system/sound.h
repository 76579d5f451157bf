#pragma once

// The game's sounds: a short effect for each event (SoundSet::Effect) and
// the cue that points to the nearest enemy, played one after another, in
// the order they happen, through SDL2's audio on the desktop's sound
// server. Every event they mark is also shown and told to a screen
// reader: nothing is told by sound alone.
//
// All static, for the program's life. Nothing is loaded at start: the
// first sound connects to the server, a sound is read from the program's
// resources when it is first played, and the device is closed once what
// was queued has been heard, so that a game at rest costs nothing. With no
// server, or one that fails, every sound is silence and nothing is said;
// another try comes a while later.
//
// A test listens: the names of the sounds that would play (the files'
// names, as resources/soundset.h makes them) go to it instead.

#include "resources/soundset.h"

#include <QString>

#include <functional>
#include <optional>

class Sound
{
public:
    static void play(SoundSet::Effect effect);
    // The cue of the nearest enemy, `across` squares to the right (left
    // when negative) and `down` squares down (up when negative): placed
    // between the ears by the columns, pitched by the rows, a sound of its
    // own one step away. Only while the cue is on, and only when nothing
    // else still waits to be heard: the next step brings a fresh one.
    static void cue(int across, int down);

    // The game's sound as a whole (F4, --no-sound), on by default.
    static bool on();
    static void setOn(bool on);

    // The cue after each step: as the player chose it, or, with no choice
    // made, on while a screen reader listens.
    static bool cueOn();
    static void setCueChoice(std::optional<bool> on);

    using Listener = std::function<void(const QString &name)>;
    // An empty listener gives the sounds back to the device.
    static void listen(Listener listener);
};
