#pragma once

// How the desktop repeats a held key: how long it waits before the first
// repeat, and how long between repeats then. A plain value, read from the
// platform each time it is asked for: on X11 the X server's keyboard
// setting, through the display Qt speaks to; on Wayland what the
// compositor tells a keyboard of its seat (repeat_info), as it tells Qt's;
// elsewhere Qt's rate after half a second.

class KeyRepeat
{
public:
    // Milliseconds before the first repeat.
    int delay = 500;
    // Milliseconds between repeats; 0 when a held key does not repeat.
    int interval = 33;

    static KeyRepeat ofDesktop();

    bool operator==(const KeyRepeat &) const = default;
};
