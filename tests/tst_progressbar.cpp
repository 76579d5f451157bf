#include "widgets/progressbar.h"

#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

// The enemy clock's bar repaints only the columns a new value changes; what
// is on screen after any run of values is exactly what a bar drawn whole at
// the last value shows, also where the window's buffer keeps nothing of a
// region the bar asked to repaint (as on Wayland, where Qt paints into
// several buffers in turn), and a tick asks for a narrow strip only.
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

// The widest repaint a single tick may ask for: the changed column with
// the room either side that styles need for the edge of the filled part.
constexpr int TickColumns = 16;

QImage onScreen(QWidget &window)
{
    return window.screen()->grabWindow(window.winId()).toImage().copy(BarGeometry);
}

// Wipes, before the bar paints, every pixel of the region it is about to
// paint, as a buffer that kept nothing there would hold: garbage, unless the
// window's background was painted under the bar first (as Qt does for a
// widget that does not claim to paint every pixel itself). Also notes how
// wide the repaints were.
class LostPixels : public QObject
{
public:
    int widest = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto *paint = static_cast<QPaintEvent *>(event);
            widest = std::max(widest, paint->rect().width());
            auto *bar = static_cast<QWidget *>(watched);
            QPainter painter(bar);
            painter.fillRect(paint->rect(),
                             bar->testAttribute(Qt::WA_OpaquePaintEvent) ? QBrush(Qt::magenta)
                                                                         : bar->window()->palette().window());
        }
        return false;
    }
};

} // namespace

void tst_ProgressBar::narrowRepaintsMatchAWholeBar_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("ticks");
    QList<int> clock;
    for (int v = 1; v <= 100; ++v)
        clock << v;
    QTest::newRow("the clock: one tick at a time") << clock << true;
    QTest::newRow("single steps too small to redraw whole") << QList<int>{1, 2, 3} << true;
    QTest::newRow("the wrap and on again") << QList<int>{99, 100, 0, 1, 2} << false;
    QTest::newRow("a jump forward and one back") << QList<int>{37, 90, 41} << false;
    QTest::newRow("to the end and straight back to the start") << QList<int>{100, 0} << false;
    QTest::newRow("the same value again") << QList<int>{55, 55} << false;
}

void tst_ProgressBar::narrowRepaintsMatchAWholeBar()
{
    QFETCH(QList<int>, values);
    QFETCH(bool, ticks);
    QWidget window;
    window.resize(BarGeometry.right() + 9, BarGeometry.bottom() + 9);
    auto *bar = new ProgressBar(&window);
    bar->setGeometry(BarGeometry);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    bar->showValue(0);
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

    // Values set before the first one here were painted whole.
    bar->showValue(values.first() == 0 ? 1 : 0);
    QCoreApplication::processEvents();
    LostPixels lost;
    bar->installEventFilter(&lost);
    for (int value : values) {
        bar->showValue(value);
        reference->setValue(value);
        reference->repaint();
        QCOMPARE(bar->value(), value);
        QCoreApplication::processEvents();
        QVERIFY2(onScreen(window) == onScreen(referenceWindow), qPrintable(QString::number(value)));
    }
    if (ticks)
        QVERIFY2(lost.widest <= TickColumns,
                 qPrintable(QStringLiteral("a tick repainted %1 columns").arg(lost.widest)));
}

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
