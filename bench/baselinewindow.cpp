#include "bench/baselinewindow.h"

#include <QKeyEvent>
#include <QProgressBar>
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

} // namespace

BaselineWindow::BaselineWindow(bool withMarker, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Baseline"));
    setFixedSize(WindowSize);
    setFocusPolicy(Qt::StrongFocus);

    m_bar = new QProgressBar(this);
    m_bar->setGeometry(BarGeometry);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);

    if (withMarker) {
        m_marker = new QWidget(this);
        m_marker->setGeometry(StartSquare);
        m_marker->setAutoFillBackground(true);
        QPalette white = m_marker->palette();
        white.setColor(QPalette::Window, Qt::white);
        m_marker->setPalette(white);
    }

    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(17);
    connect(m_timer, &QTimer::timeout, this, &BaselineWindow::tick);
    m_timer->start();
}

void BaselineWindow::tick()
{
    m_bar->setValue(m_bar->value() + 1);
    if (m_bar->value() >= 100)
        m_bar->setValue(0);
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
