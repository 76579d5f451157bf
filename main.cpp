#include "forms/fontwarmup.h"
#include "forms/gamefonts.h"
#include "help/gamepadkeys.h"
#include "help/helpkey.h"
#include "system/language.h"
#include "system/playersettings.h"
#include "title/frmsplash.h"

#include <QApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
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
    QApplication app(argc, argv);
    // Most of the title's first picture is spent reading the system's fonts;
    // they are read meanwhile, while the window is built and mapped.
    const FontWarmUp fonts;
    QApplication::setApplicationName(QStringLiteral("chromaland"));
    QApplication::setApplicationVersion(QStringLiteral(CHROMALAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CHROMALAND_APP_ID));
    GameFonts::substituteDesignFace();
    Language::install();
    HelpKey::install();
    // The desktop entry's "Play with colour symbols": on, and remembered,
    // as F2 on the map would. The game takes no other argument.
    if (QApplication::arguments().contains(QStringLiteral("--colour-symbols")))
        PlayerSettings::setColourSymbols(true);

    frmSplash title;
    title.show();
    GamepadKeys::install(&title);
    return app.exec();
}
