#include "platform/progressbar.h"

#include <QProgressBar>
#include <QScreen>
#include <QTest>

// The enemy clock's bar repaints only the columns a new value changes; what
// is on screen after any run of values is exactly what a bar drawn whole at
// the last value shows.
class tst_ProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void narrowRepaintsMatchAWholeBar_data();
    void narrowRepaintsMatchAWholeBar();
};

namespace {

// The map window's bar, alone in a window of its own.
constexpr QRect BarGeometry(8, 8, 569, 25);

QImage onScreen(QWidget &window)
{
    return window.screen()->grabWindow(window.winId()).toImage().copy(BarGeometry);
}

} // namespace

void tst_ProgressBar::narrowRepaintsMatchAWholeBar_data()
{
    QTest::addColumn<QList<int>>("values");
    QList<int> clock;
    for (int v = 1; v <= 100; ++v)
        clock << v;
    clock << 0 << 1 << 2;
    QTest::newRow("the clock: one tick at a time, the wrap, on again") << clock;
    QTest::newRow("single steps too small to redraw whole") << QList<int>{1, 2, 3};
    QTest::newRow("a jump forward and one back") << QList<int>{37, 90, 41};
    QTest::newRow("to the end and straight back to the start") << QList<int>{100, 0};
    QTest::newRow("the same value again") << QList<int>{55, 55};
}

void tst_ProgressBar::narrowRepaintsMatchAWholeBar()
{
    QFETCH(QList<int>, values);
    QWidget window;
    window.resize(BarGeometry.right() + 9, BarGeometry.bottom() + 9);
    auto *bar = new ProgressBar(&window);
    bar->setGeometry(BarGeometry);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    bar->setValue(0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget referenceWindow;
    referenceWindow.resize(window.size());
    auto *reference = new QProgressBar(&referenceWindow);
    reference->setGeometry(BarGeometry);
    reference->setRange(0, 100);
    reference->setTextVisible(false);
    referenceWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&referenceWindow));

    for (int value : values) {
        bar->setValue(value);
        reference->setValue(value);
        reference->repaint();
        QCOMPARE(bar->value(), value);
       
        QVERIFY2(onScreen(window) == onScreen(referenceWindow), qPrintable(QString::number(value)));
    }
}

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
