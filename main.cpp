#include "forms/gamefonts.h"
#include "help/helpkey.h"
#include "system/language.h"
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
    HelpKey::install();

    frmSplash title;
    title.show();
    return app.exec();
}
