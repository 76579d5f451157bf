#include "accessibility/pictureboxaccessible.h"

#include "widgets/accessibleproperty.h"
#include "widgets/mapgrid.h"
#include "widgets/picturebox.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

using MapGrid::Columns;
using MapGrid::HealingRow;

float unitTwips(const PictureBox *box)
{
    return box->property(AccessibleProperty::UnitTwips).toFloat();
}

int levels(const PictureBox *box)
{
    return box->property(AccessibleProperty::Levels).toInt();
}

float fullTwips(const PictureBox *box)
{
    return box->property(AccessibleProperty::FullTwips).toFloat();
}

bool isBar(const PictureBox *box)
{
    return (unitTwips(box) > 0 && levels(box) > 0) || fullTwips(box) > 0;
}

const PictureBox *marker(const PictureBox *box)
{
    const QString name = box->property(AccessibleProperty::Marker).toString();
    return name.isEmpty() ? nullptr : box->findChild<const PictureBox *>(name, Qt::FindDirectChildrenOnly);
}

int square(float pixels)
{
    const float s = std::floor((pixels - MapGrid::FirstSquare) / MapGrid::Step) + 1.0f;
    return std::isfinite(s) && std::fabs(s) < 1.0e6f ? int(s) : 0;
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
    return isBar(box()) ? QAccessible::ProgressBar : QAccessibleWidget::role();
}

QString PictureBoxAccessible::shownOf(const PictureBox *box)
{
    if (unitTwips(box) > 0 && levels(box) > 0) {
        const float level = std::floor(box->widthTwips() / unitTwips(box));
        //: A skill bar's level, e.g. "level 3 of 18".
        return QCoreApplication::translate("PictureBoxAccessible", "level %1 of %2").arg(double(level)).arg(levels(box));
    }
    if (fullTwips(box) > 0)
        return QCoreApplication::translate("PictureBoxAccessible", "%1 percent").arg(std::lround(box->widthTwips() / fullTwips(box) * 100.0f));
    if (const PictureBox *m = marker(box)) {
        const int row = square(m->top());
        //: The player's square on the map; the bottom row is the healing row.
        return (row == HealingRow ? QCoreApplication::translate("PictureBoxAccessible", "Column %1, row %2, healing row") : QCoreApplication::translate("PictureBoxAccessible", "Column %1, row %2"))
            .arg(square(m->left()))
            .arg(row);
    }
    return QString();
}

QString PictureBoxAccessible::content() const
{
    return shownOf(box());
}

QString PictureBoxAccessible::nearestMarker() const
{
    const PictureBox *you = marker(box());
    if (!you)
        return QString();
    const int column = square(you->left());
    const int row = square(you->top());
    const PictureBox *nearest = nullptr;
    int best = std::numeric_limits<int>::max();
    const auto others = box()->findChildren<const PictureBox *>(QString(), Qt::FindDirectChildrenOnly);
    for (const PictureBox *other : others) {
        if (other == you || !other->shown() || other->accessibleName().isEmpty())
            continue;
        const int distance = std::abs(square(other->left()) - column) + std::abs(square(other->top()) - row);
        if (distance < best) {
            best = distance;
            nearest = other;
        }
    }
    if (!nearest)
        return QCoreApplication::translate("PictureBoxAccessible", "No one else in sight.");
    const int across = square(nearest->left()) - column;
    const int down = square(nearest->top()) - row;
    QStringList way;
    //: Squares between the player and the nearest enemy, e.g. "3 up".
    if (down != 0)
        way.append(down < 0 ? QCoreApplication::translate("PictureBoxAccessible", "%n up", nullptr, -down) : QCoreApplication::translate("PictureBoxAccessible", "%n down", nullptr, down));
    if (across != 0)
        way.append(across < 0 ? QCoreApplication::translate("PictureBoxAccessible", "%n left", nullptr, -across) : QCoreApplication::translate("PictureBoxAccessible", "%n right", nullptr, across));
    if (way.isEmpty())
        //: The nearest enemy stands on the player's own square.
        way.append(QCoreApplication::translate("PictureBoxAccessible", "here"));
    //: Between the steps of a way, as in "3 up, 2 left".
    const QString separator = QCoreApplication::translate("PictureBoxAccessible", ", ");
    //: %1 is the enemy's name ("Red enemy"), %2 its way ("3 up, 2 left").
    return QCoreApplication::translate("PictureBoxAccessible", "Nearest: %1, %2.").arg(nearest->accessibleName(), way.join(separator));
}

QString PictureBoxAccessible::text(QAccessible::Text t) const
{
    const QString shown = shownOf(box());
    switch (t) {
    case QAccessible::Value:
        return shown;
    case QAccessible::Name:
        if (shown.isEmpty())
            break;
        //: What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. "World map: Column 1, row 22".
        return QCoreApplication::translate("PictureBoxAccessible", "%1: %2").arg(box()->accessibleName(), shown);
    case QAccessible::Description:
        if (marker(box()))
            //: The map's description: the nearest enemy (%1), then how to play on the map (%2).
            return QCoreApplication::translate("PictureBoxAccessible", "%1 %2")
                .arg(nearestMarker(), box()->accessibleDescription());
        break;
    default:
        break;
    }
    return QAccessibleWidget::text(t);
}

void *PictureBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && !shownOf(box()).isEmpty())
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::ValueInterface && marker(box()))
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant PictureBoxAccessible::currentValue() const
{
    const PictureBox *m = marker(box());
    if (!m)
        return QVariant();
    return (square(m->top()) - 1) * Columns + square(m->left());
}

QVariant PictureBoxAccessible::maximumValue() const
{
    return HealingRow * Columns;
}

QVariant PictureBoxAccessible::minimumValue() const
{
    return 1;
}

QVariant PictureBoxAccessible::minimumStepSize() const
{
    return 1;
}

bool PictureBoxAccessible::followsMarker(const PictureBox *box)
{
    return marker(box) != nullptr;
}
