#include "system/beep.h"

#include <QApplication>

namespace {
int beeps = 0;
}

void Beep::sound()
{
    ++beeps;
    QApplication::beep();
}

int Beep::count()
{
    return beeps;
}

void Beep::resetCount()
{
    beeps = 0;
}
