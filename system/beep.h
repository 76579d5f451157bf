#pragma once

// The system beep, counted so that tests can hear it.

class Beep
{
public:
    static void sound();
    static int count();
    static void resetCount();
};
