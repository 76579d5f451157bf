#include "platform/pictureboxaccessible.h"

#include "platform/mapgrid.h"
#include "platform/picturebox.h"

#include <cmath>

namespace {

// The map's grid: the first square's interior at 8, one square every 16 pixels.
constexpr float GridOrigin = MapGrid::FirstSquare;
constexpr float GridStep = MapGrid::Step;

float unitTwips(const PictureBox *box)
{
    return box->property("accessibleUnitTwips").toFloat();
}

const PictureBox *marker(const PictureBox *box)
{
    const QString name = box->property("accessibleMarker").toString();
    return name.isEmpty() ? nullptr : box->findChild<const PictureBox *>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

PictureBoxAccessible::PictureBoxAccessible(PictureBox *box)
    : QAccessibleWidget(box, QAccessible::Graphic)
{
}

PictureBox *PictureBoxAccessible::box() const
{
    return static_cast<PictureBox *>(widget());
}

QAccessible::Role PictureBoxAccessible::role() const
{
    if (unitTwips(box()) > 0)
        return QAccessible::ProgressBar;
    return QAccessibleWidget::role();
}

QString PictureBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) {
        const QVariant value = valueOf(box());
        return value.isValid() ? value.toString() : QString();
    }
    return QAccessibleWidget::text(t);
}

void *PictureBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && unitTwips(box()) > 0)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant PictureBoxAccessible::currentValue() const
{
    return valueOf(box());
}

QVariant PictureBoxAccessible::maximumValue() const
{
    // A bar may not grow beyond its frame or window.
    const QWidget *container = box()->parentWidget();
    const float unit = unitTwips(box());
    if (!container || unit <= 0)
        return QVariant();
    return std::floor(float(container->width()) * PictureBox::TwipsPerPixel / unit);
}

QVariant PictureBoxAccessible::minimumValue() const
{
    return 0.0f;
}

QVariant PictureBoxAccessible::minimumStepSize() const
{
    return 1.0f;
}

QVariant PictureBoxAccessible::valueOf(const PictureBox *box)
{
    // Whole units: a skill bar's level, a strength bar's drawn pixels.
    if (const float unit = unitTwips(box); unit > 0)
        return std::floor(box->widthTwips() / unit);
    if (const PictureBox *m = marker(box)) {
        const auto square = [](float pixels) { return int(std::floor((pixels - GridOrigin) / GridStep)) + 1; };
        return QStringLiteral("Column %1, row %2").arg(square(m->left())).arg(square(m->top()));
    }
    return QVariant();
}

void PictureBoxAccessible::notifyValueChanged(PictureBox *box)
{
    if (!QAccessible::isActive())
        return;
    const QVariant value = valueOf(box);
    if (!value.isValid())
        return;
    QAccessibleValueChangeEvent event(box, value);
    QAccessible::updateAccessibility(&event);
}
