#include "testsupport.h"

#include "system/keyrepeat.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTest>

#include <SDL.h>

#include <algorithm>

using Button = Gamepad::Button;
Q_DECLARE_METATYPE(std::optional<Gamepad::Button>)

// A controller's stick as a d-pad: the dead zone, its hysteresis and the
// way a stick leaning two ways counts; a held direction repeating as the
// desktop repeats a held key; the face buttons by their place.
class tst_Gamepad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lean_data();
    void lean();
    void heldDirectionRepeats_data();
    void heldDirectionRepeats();
    void faceButtonsByPlace_data();
    void faceButtonsByPlace();

private:
    Gamepad *m_gamepad = nullptr;
};

void tst_Gamepad::initTestCase()
{
    m_gamepad = new Gamepad(this);
    if (!m_gamepad->start())
        qFatal("no game controllers: %s", qPrintable(m_gamepad->error()));
}

void tst_Gamepad::lean_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("pushed");
    QTest::addColumn<std::optional<Button>>("way");
    const std::optional<Button> none;
    QTest::newRow("in the middle") << 0 << 0 << false << none;
    QTest::newRow("16383 right: inside the dead zone") << 16383 << 0 << false << none;
    QTest::newRow("16384 right: Right") << 16384 << 0 << false << std::optional(Button::DpadRight);
    QTest::newRow("all the way left") << -32768 << 0 << false << std::optional(Button::DpadLeft);
    QTest::newRow("pushed, back to 8192: still held") << 8192 << 0 << true << std::optional(Button::DpadRight);
    QTest::newRow("pushed, 8191: let go") << 8191 << 0 << true << none;
    QTest::newRow("not pushed, 8192: nothing") << 8192 << 0 << false << none;
    QTest::newRow("20000 right, 20001 down: Down") << 20000 << 20001 << false << std::optional(Button::DpadDown);
    QTest::newRow("negative y is Up") << 0 << -20000 << false << std::optional(Button::DpadUp);
    QTest::newRow("equal both ways: across") << -20000 << 20000 << false << std::optional(Button::DpadLeft);
}

void tst_Gamepad::lean()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, pushed);
    QFETCH(std::optional<Button>, way);
    QCOMPARE(Gamepad::lean(x, y, pushed), way);
}

void tst_Gamepad::heldDirectionRepeats_data()
{
    QTest::addColumn<Button>("button");
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("value");
    QTest::newRow("d-pad right") << Button::DpadRight << -1 << 0;
    QTest::newRow("stick up") << Button::DpadUp << int(SDL_CONTROLLER_AXIS_LEFTY) << -32768;
}

namespace {

// Runs the events for `ms` milliseconds, each as it comes (QTest::qWait
// would look only every 10 ms).
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

// A held direction is pressed at once, again after the desktop's key
// repeat delay, then once every repeat interval until it is let go: the
// desktop's setting as the game reads it, whatever it is on the platform
// the test runs on. No repeat comes before it is due; a busy machine may
// make one a little late.
void tst_Gamepad::heldDirectionRepeats()
{
    QFETCH(Button, button);
    QFETCH(int, axis);
    QFETCH(int, value);
    const KeyRepeat desktop = KeyRepeat::ofDesktop();
    qInfo("The desktop repeats a held key after %d ms, then every %d ms", desktop.delay, desktop.interval);
    VirtualPad pad(*m_gamepad);
    QElapsedTimer clock;
    QList<double> at;
    QList<std::pair<Button, bool>> presses;
    const QMetaObject::Connection heard = connect(m_gamepad, &Gamepad::pressed, this, [&](Button pressed, bool repeat) {
        at << clock.nsecsElapsed() / 1e6;
        presses << std::pair(pressed, repeat);
    });
    const int repeats = desktop.interval > 0 ? 16 : 0;
    clock.start();
    pad.set(button, axis, value, true);
    runFor(desktop.delay + repeats * desktop.interval + std::max(desktop.interval, 20) / 2);
    pad.set(button, axis, value, false);
    const qsizetype held = presses.size();
    runFor(2 * std::max(desktop.interval, 20));
    disconnect(heard);

    QCOMPARE(presses.size(), held);
    QVERIFY2(held >= 1 + std::min(repeats, 2), qPrintable(QStringLiteral("%1 presses").arg(held)));
    for (qsizetype i = 0; i < held; ++i)
        QCOMPARE(presses[i], std::pair(button, i > 0));
    // When each repeat is due after the first press: the first after the
    // delay, each next one an interval after the one before was due.
    for (qsizetype k = 1; k < held; ++k) {
        const double due = k == 1 ? desktop.delay : at[1] - at[0] + (k - 1) * desktop.interval;
        const double came = at[k] - at[0];
        // A millisecond is the clocks' rounding.
        QVERIFY2(
            came >= due - 1 && came <= due + desktop.interval + 50,
            qPrintable(
                QStringLiteral("repeat %1 came %2 ms after the press, due after %3 ms").arg(k).arg(came).arg(due)));
    }
}

void tst_Gamepad::faceButtonsByPlace_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<Button>("button");
    QTest::newRow("lower: A") << 0 << Button::A;
    QTest::newRow("right: B") << 1 << Button::B;
    QTest::newRow("left: X") << 2 << Button::X;
    QTest::newRow("upper: Y") << 3 << Button::Y;
}

// A controller whose buttons the library's database names by their printed
// labels unless told otherwise (as it does a Nintendo pad's, where A is the
// right one): the game names them by place all the same.
void tst_Gamepad::faceButtonsByPlace()
{
    QFETCH(int, place);
    QFETCH(Button, button);
    const QByteArray others = ",back:b4,start:b6,leftx:a0,lefty:a1,";
    VirtualPad pad(*m_gamepad,
                   {"Labelled pad,a:b1,b:b0,x:b3,y:b2" + others + "hint:SDL_GAMECONTROLLER_USE_BUTTON_LABELS:=1,",
                    "Labelled pad,a:b0,b:b1,x:b2,y:b3" + others + "hint:!SDL_GAMECONTROLLER_USE_BUTTON_LABELS:=1,"});
    QList<Button> pressed;
    const QMetaObject::Connection heard =
        connect(m_gamepad, &Gamepad::pressed, this, [&](Button down, bool) { pressed << down; });
    pad.pressRaw(place);
    disconnect(heard);
    QCOMPARE(pressed, QList<Button>{button});
}

QTEST_MAIN(tst_Gamepad)
#include "tst_gamepad.moc"
