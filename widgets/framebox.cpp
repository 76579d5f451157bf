#include "widgets/framebox.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

FrameBox::FrameBox(QWidget *parent)
    : QGroupBox(parent)
{
}

QRect FrameBox::captionRect() const
{
    // The caption keeps the place and font the style gives a group box.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
}

QRect FrameBox::lineRect() const
{
    const QRect caption = captionRect();
    const int top = title().isEmpty() ? 0 : caption.top() + caption.height() / 2;
    return rect().adjusted(0, top, 0, 0);
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect line = lineRect();
    // An etched line: a dark line with a light one just inside and below.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(line.adjusted(0, 0, -2, -2));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.adjusted(1, 1, -1, -1));

    if (title().isEmpty())
        return;
    const QRect caption = captionRect();
    // The caption covers the line behind it, with a little space either side.
    painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().color(backgroundRole()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
}
