#include "map/frmmaingamewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chromaland"));
    QApplication::setApplicationDisplayName(QStringLiteral("Chromaland"));
    QApplication::setApplicationVersion(QStringLiteral("1.02"));

    frmMainGameWindow window;
    window.show();
    return app.exec();
}
