// Paints the pip set for the Graphics folder into the folder it is given.
// The game's build runs it (see the top CMakeLists.txt); by hand:
//   pipspainter FOLDER

#include "pipset.h"

#include <QTextStream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: pipspainter FOLDER\n";
        return 2;
    }
    return PipSet::write(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
