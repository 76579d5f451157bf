#include "testsupport.h"

#include <QTest>

#include <SDL.h>

#include <algorithm>

using Button = Gamepad::Button;
Q_DECLARE_METATYPE(std::optional<Gamepad::Button>)

// A controller's stick as a d-pad: the dead zone, its hysteresis and the
// way a stick leaning two ways counts; the face buttons by their place.
class tst_Gamepad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lean_data();
    void lean();
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
