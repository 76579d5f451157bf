#include "bench/baselinewindow.h"

#include "map/enemyclock.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QProxyStyle>
#include <QRandomGenerator>
#include <QTimer>

namespace {

// The map window's size and its bar's geometry, in pixels.
constexpr QSize WindowSize(583, 495);
constexpr QRect BarGeometry(8, 448, 569, 25);
// The player's start square in window pixels (the map's interior starts
// at 218, 34) and the limits of the squares it may stand on.
constexpr QRect StartSquare(226, 378, 16, 16);
constexpr int Step = 16;
constexpr QRect Reach(226, 42, 321, 337);
// The squares stand where the map's enemies may, above the player's row,
// and start in three rows of seven clear of the pixel that shows the
// window painted (300, 200).
constexpr QRect SquareReach(226, 42, 321, 321);
constexpr QPoint FirstSquare(242, 58);
constexpr int SquaresPerRow = 7;

// The application's style, with progress bar chunks one pixel wide.
class NarrowChunks : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ProgressBarChunkWidth)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

BaselineWindow::BaselineWindow(bool withMarker, bool everyTick, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Baseline"));
    setFixedSize(WindowSize);
    setFocusPolicy(Qt::StrongFocus);

    m_bar = new QProgressBar(this);
    m_bar->setGeometry(BarGeometry);
    m_bar->setRange(0, EnemyClock::PhaseTicks);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    if (everyTick) {
        auto *style = new NarrowChunks;
        style->setParent(m_bar);
        m_bar->setStyle(style);
    }

    if (withMarker) {
        m_marker = new QWidget(this);
        m_marker->setGeometry(StartSquare);
        m_marker->setAutoFillBackground(true);
        QPalette white = m_marker->palette();
        white.setColor(QPalette::Window, Qt::white);
        m_marker->setPalette(white);
    }

    for (size_t i = 0; i < m_squares.size(); ++i) {
        QWidget *square = new QWidget(this);
        const int n = int(i);
        square->setGeometry(
            QRect(FirstSquare + QPoint(n % SquaresPerRow * 2 * Step, n / SquaresPerRow * 2 * Step), QSize(Step, Step)));
        square->setAutoFillBackground(true);
        QPalette colour = square->palette();
        colour.setColor(QPalette::Window, QColor(0xc0, 0x80, 0x40));
        square->setPalette(colour);
        m_squares[i] = square;
    }

    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(EnemyClock::TickInterval);
    connect(m_timer, &QTimer::timeout, this, &BaselineWindow::tick);
    m_timer->start();
}

void BaselineWindow::tick()
{
    m_bar->setValue(m_bar->value() + 1);
    if (m_bar->value() >= EnemyClock::PhaseTicks) {
        m_bar->setValue(0);
        stepSquares();
    }
}

void BaselineWindow::stepSquares()
{
    static constexpr QPoint Steps[] = {{0, 0}, {0, -Step}, {0, Step}, {-Step, 0}, {Step, 0}};
    for (QWidget *square : m_squares) {
        const QPoint to = square->pos() + Steps[QRandomGenerator::global()->bounded(5)];
        if (SquareReach.contains(to))
            square->move(to);
    }
}

void BaselineWindow::keyPressEvent(QKeyEvent *event)
{
    if (!m_marker) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPoint to = m_marker->pos();
    switch (event->key()) {
    case Qt::Key_Left:
        to.rx() -= Step;
        break;
    case Qt::Key_Right:
        to.rx() += Step;
        break;
    case Qt::Key_Up:
        to.ry() -= Step;
        break;
    case Qt::Key_Down:
        to.ry() += Step;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (Reach.contains(to))
        m_marker->move(to);
}
