#include "widgets/progressbar.h"

#include <QStyleOptionProgressBar>
#include <algorithm>

namespace {
// Columns on either side of a value's edge that may change with it.
constexpr int EdgeColumns = 4;
} // namespace

ProgressBar::ProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
}

void ProgressBar::showValue(int value)
{
    const int before = this->value();
    // QProgressBar repaints the whole bar at once when a new value shows.
    // It is kept from doing so for this call only (setUpdatesEnabled() would
    // repaint the whole bar when switched back on); the columns that changed
    // are repainted instead. Qt paints the bar's background and the bar
    // itself inside them only, and every window buffer learns exactly which
    // pixels are new: the others stay as they were, also where the platform
    // paints into several buffers in turn. The repaint is made at once, as
    // QProgressBar's would be: a deferred one would cost the program a wake-up
    // of its own on every tick.
    const bool updatesWereDisabled = testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    QProgressBar::setValue(value);
    setAttribute(Qt::WA_UpdatesDisabled, updatesWereDisabled);
    if (this->value() != before)
        repaint(changedColumns(before, this->value()));
}

QRect ProgressBar::changedColumns(int from, int to) const
{
    // A caption may change anywhere along the bar.
    if (orientation() != Qt::Horizontal || isTextVisible())
        return rect();
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
