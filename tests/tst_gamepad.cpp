#include "system/gamepad.h"

#include <QTest>

using Button = Gamepad::Button;
Q_DECLARE_METATYPE(std::optional<Gamepad::Button>)

// A controller's stick as a d-pad: the dead zone, its hysteresis and the
// way a stick leaning two ways counts.
class tst_Gamepad : public QObject
{
    Q_OBJECT

private slots:
    void lean_data();
    void lean();
};

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

QTEST_GUILESS_MAIN(tst_Gamepad)
#include "tst_gamepad.moc"
