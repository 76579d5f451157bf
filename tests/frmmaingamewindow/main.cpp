// The map window's test program: one class, its behaviour in five groups
// (start-up and layout, movement, the enemy clock, spending points, long
// runs), each in a file of its own.

#include <QApplication>

int runStartUpTests(int argc, char **argv);
int runMovementTests(int argc, char **argv);
int runClockTests(int argc, char **argv);
int runPointsTests(int argc, char **argv);
int runSimulationTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int failures = 0;
    for (const auto run : {runStartUpTests, runMovementTests, runClockTests, runPointsTests, runSimulationTests})
        failures += run(argc, argv);
    return failures;
}
