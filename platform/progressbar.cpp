#include "platform/progressbar.h"

#include <QPaintEvent>
#include <QStyleOptionProgressBar>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace {
// Columns on either side of a value's edge that may change with it.
constexpr int EdgeColumns = 4;
}

ProgressBar::ProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
}

void ProgressBar::setValue(int value)
{
    // QProgressBar repaints the whole bar at once when a new value shows;
    // marked opaque for that moment, the bar keeps its other pixels in the
    // window's buffer and paints only the changed columns over them.
    m_settingValue = true;
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    QProgressBar::setValue(value);
    // It skips a change it deems too small to see and may lose track of
    // what it last drew (it learns that only from whole repaints), so every
    // change not yet on screen is drawn here, as narrow as it is.
    if (m_paintedValue >= 0 && m_paintedValue != this->value())
        repaint(changedColumns(m_paintedValue, this->value()));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_settingValue = false;
}

void ProgressBar::paintEvent(QPaintEvent *event)
{
    if (!m_settingValue || m_paintedValue < 0 || orientation() != Qt::Horizontal) {
        QProgressBar::paintEvent(event);
        m_paintedValue = value();
        return;
    }
    // The style sets clips of its own, so the columns are drawn apart, on
    // what the window would have put under the bar, and then copied in.
    const QRect columns = changedColumns(m_paintedValue, value()) & rect();
    if (!columns.isEmpty()) {
        const qreal ratio = devicePixelRatioF();
        QPixmap strip(columns.size() * ratio);
        strip.setDevicePixelRatio(ratio);
        {
            QPainter painter(&strip);
            painter.fillRect(QRect(QPoint(), columns.size()), palette().brush(backgroundRole()));
            painter.translate(-columns.topLeft());
            QStyleOptionProgressBar option;
            initStyleOption(&option);
            style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
        }
        QPainter painter(this);
        painter.drawPixmap(columns.topLeft(), strip);
    }
    m_paintedValue = value();
}

QRect ProgressBar::changedColumns(int from, int to) const
{
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this);
    const double range = std::max(1, maximum() - minimum());
    const auto column = [&](int v) {
        const double share = std::clamp((v - minimum()) / range, 0.0, 1.0);
        const int x = contents.left() + static_cast<int>(share * contents.width());
        return invertedAppearance() != (layoutDirection() == Qt::RightToLeft) ? contents.right() - (x - contents.left())
                                                                             : x;
    };
    const int a = column(from);
    const int b = column(to);
    return QRect(QPoint(std::min(a, b) - EdgeColumns, 0), QPoint(std::max(a, b) + EdgeColumns, height() - 1));
}
