// The bare window with its 17 ms progress bar.

#include "bench/baselinewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BaselineWindow window(false);
    window.show();
    return app.exec();
}
