#include "forms/gamefonts.h"
#include "system/language.h"
#include "system/playersettings.h"
#include "title/frmsplash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chromaland"));
    QApplication::setApplicationVersion(QStringLiteral(CHROMALAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(CHROMALAND_APP_ID));
    GameFonts::substituteDesignFace();
    Language::install();
    // The desktop entry's "Play with colour symbols": on, and remembered,
    // as F2 on the map would. The game takes no other argument.
    if (QApplication::arguments().contains(QStringLiteral("--colour-symbols")))
        PlayerSettings::setColourSymbols(true);

    frmSplash title;
    title.show();
    return app.exec();
}
