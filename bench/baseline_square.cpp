// The bare window with its 17 ms progress bar and a square that the arrow
// keys move.

#include "bench/baselinewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BaselineWindow window(true);
    window.show();
    return app.exec();
}
