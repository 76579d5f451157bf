#include "system/processtuning.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ProcessTuning {

void applyBeforeQt()
{
#ifdef __GLIBC__
    // The C library gives each new thread a heap of its own, which the
    // program keeps half empty for good: some 400 KB for the thread that
    // reads the fonts, more for Qt's own. Before any thread starts, all are
    // told to share the one heap; a game with one busy thread needs no more.
    mallopt(M_ARENA_MAX, 1);
#endif
    // On X11 the window's pixels reach the server through shared memory
    // unless this is set. Shared memory makes Qt wait for the server to have
    // read the last picture before painting over any of its pixels again: a
    // round trip of its own on every enemy clock tick, since a tick repaints
    // the end of the bar the last one painted. Sent over the connection, a
    // tick's few columns cost less than that wait, and a whole window's
    // first picture no more than a fraction of a millisecond. A player's own
    // setting is kept; other platforms do not read it.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace ProcessTuning
