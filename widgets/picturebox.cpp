#include "widgets/picturebox.h"

#include "widgets/accessibleproperty.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <qdrawutil.h>
#include <cmath>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
    , m_backColor(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void PictureBox::setPicture(const QPixmap &picture)
{
    // The map sets the player's picture on every key; the same picture again
    // must not cost a repaint of the marker it already shows.
    if (picture.cacheKey() == m_picture.cacheKey() && m_picture2x.isEmpty())
        return;
    m_picture = picture;
    m_picture2x.clear();
    m_loaded2x = QPixmap();
    update();
}

void PictureBox::setPicture2x(const QString &fileName)
{
    m_picture2x = fileName;
    m_loaded2x = QPixmap();
    update();
}

QPixmap PictureBox::pictureFor(qreal ratio)
{
    if (ratio < 1.5 || m_picture2x.isEmpty())
        return m_picture;
    if (m_loaded2x.isNull()) {
        m_loaded2x = QPixmap(m_picture2x);
        // Covers exactly the pixels of the picture it stands for.
        if (m_loaded2x.size() != m_picture.size() * 2) {
            m_picture2x.clear();
            m_loaded2x = QPixmap();
            return m_picture;
        }
        m_loaded2x.setDevicePixelRatio(2.0);
    }
    return m_loaded2x;
}

void PictureBox::setSunkenBorder(bool sunken)
{
    m_sunkenBorder = sunken;
    update();
}

QPoint PictureBox::interiorOrigin() const
{
    return m_sunkenBorder ? QPoint(2, 2) : QPoint(0, 0);
}

void PictureBox::setLeft(float left)
{
    placeAt(left, m_top);
}

void PictureBox::setTop(float top)
{
    placeAt(m_left, top);
}

void PictureBox::placeAt(float left, float top)
{
    m_left = left;
    m_top = top;
    const auto *container = qobject_cast<const PictureBox *>(parentWidget());
    const QPoint origin = container ? container->interiorOrigin() : QPoint();
    // Positions far off the map are kept as values but not drawn there.
    const auto pixel = [](float v) {
        return std::isfinite(v) && std::fabs(v) < 1.0e6f ? static_cast<int>(std::lround(v)) : -100000;
    };
    move(origin.x() + pixel(m_left), origin.y() + pixel(m_top));
    // A container that reports this marker's square tells of its move, to
    // a screen reader when one listens: enemies move 21 at a time.
    if (container && QAccessible::isActive()
        && container->property(AccessibleProperty::Marker).toString() == objectName())
        const_cast<PictureBox *>(container)->notifyShownChanged();
}

float PictureBox::widthTwips() const
{
    return m_hasWidthTwips ? m_widthTwips : static_cast<float>(width()) * TwipsPerPixel;
}

void PictureBox::setWidthTwips(float twips)
{
    m_hasWidthTwips = true;
    m_widthTwips = twips;
    const float pixels = twips / TwipsPerPixel;
    const int drawn = std::isfinite(pixels) ? static_cast<int>(std::lround(std::clamp(pixels, 0.0f, 16777215.0f))) : 0;
    // A bar in a box read right to left grows from its right end.
    if (isRightToLeft())
        setGeometry(x() + width() - drawn, y(), drawn, height());
    else
        resize(drawn, height());
    notifyShownChanged();
}

void PictureBox::notifyShownChanged()
{
    // What a reader is told of it, if anything, is the accessibility
    // layer's choice: here it only learns that the name may have changed.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

void PictureBox::placeChildrenInInterior()
{
    const auto boxes = findChildren<PictureBox *>(QString(), Qt::FindDirectChildrenOnly);
    for (PictureBox *box : boxes) {
        box->placeAt(static_cast<float>(box->x()), static_cast<float>(box->y()));
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    const QRect interior =
        rect().adjusted(interiorOrigin().x(), interiorOrigin().y(), -interiorOrigin().x(), -interiorOrigin().y());
    if (!m_picture.isNull()) {
        painter.save();
        painter.setClipRect(interior);
        painter.drawPixmap(interior.topLeft(), pictureFor(painter.device()->devicePixelRatioF()));
        painter.restore();
    }
    if (m_sunkenBorder)
        qDrawWinPanel(&painter, rect(), palette(), true, nullptr);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&PictureBox::keyDown))) {
        emit keyDown(event);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
