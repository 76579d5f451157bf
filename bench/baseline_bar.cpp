// The bare window with its 17 ms progress bar; with --every-tick its bar
// repaints at every value.

#include "bench/baselinewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BaselineWindow window(false, QApplication::arguments().contains(QStringLiteral("--every-tick")));
    window.show();
    return app.exec();
}
