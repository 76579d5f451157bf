#include "forms/fontwarmup.h"
#include "forms/gamefonts.h"
#include "help/helppage.h"
#include "input/functionkeys.h"
#include "input/gamepadkeys.h"
#include "system/endrequests.h"
#include "system/language.h"
#include "system/playersettings.h"
#include "system/processtuning.h"
#include "system/sound.h"
#include "title/frmsplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char *argv[])
{
    ProcessTuning::applyBeforeQt();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chromaland"));
    QApplication::setApplicationVersion(QStringLiteral(CHROMALAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CHROMALAND_APP_ID));
    Language::install();

    QCommandLineParser options;
    options.addHelpOption();
    options.addVersionOption();
    // The desktop entry's "Play with colour symbols": on, and remembered,
    // as F2 on the map would.
    const QCommandLineOption colourSymbols(QStringLiteral("colour-symbols"), HelpPage::colourSymbolsOption());
    options.addOption(colourSymbols);
    // Silence, and remembered, as F4 would.
    const QCommandLineOption noSound(QStringLiteral("no-sound"), HelpPage::noSoundOption());
    options.addOption(noSound);
    if (!options.parse(QApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(options.errorText()));
        return 2;
    }
    if (options.isSet(QStringLiteral("help")))
        options.showHelp();
    if (options.isSet(QStringLiteral("version")))
        options.showVersion();
    if (options.isSet(colourSymbols))
        PlayerSettings::setColourSymbols(true);
    if (options.isSet(noSound))
        PlayerSettings::setSound(false);
    // Nothing of the sound is loaded or opened until the first sound.
    Sound::setOn(PlayerSettings::sound());
    Sound::setCueChoice(PlayerSettings::enemyCue());

    // Most of the title's first picture is spent reading the system's fonts;
    // they are read meanwhile, while the window is built and mapped.
    const FontWarmUp fonts;
    GameFonts::substituteDesignFace();
    FunctionKeys::install();

    frmSplash title;
    // A signal, the session's end, the compositor going away: the game
    // saves and ends as closing the map does.
    const EndRequests *requests = EndRequests::install();
    QObject::connect(requests, &EndRequests::endRequested, &title, &frmSplash::endOnRequest);
    QObject::connect(requests, &EndRequests::keepRequested, &title, &frmSplash::keepOnRequest);
    title.show();
    GamepadKeys::install(&title);
    return app.exec();
}
