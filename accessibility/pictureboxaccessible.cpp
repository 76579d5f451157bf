#include "accessibility/pictureboxaccessible.h"

#include "widgets/accessibleproperty.h"
#include "widgets/mapgrid.h"
#include "widgets/picturebox.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

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

// A bar reads as the words it shows: a reader that reviews the window
// line by line takes a progress bar's words from a value it does not have.
QAccessible::Role PictureBoxAccessible::role() const
{
    if (isBar(box()))
        return QAccessible::StaticText;
    // The map, its markers moving on it, is told by its name alone after
    // every step: a reader names no role of an animation, where it would
    // say "image" after each step.
    if (marker(box()))
        return QAccessible::Animation;
    return QAccessibleWidget::role();
}

// The map is read as one thing, the player's square and the way to the
// nearest enemy: its markers are what it tells, not controls of their own,
// and a reader reviewing the window line by line would set each marker
// among the panels' values beside it.
int PictureBoxAccessible::childCount() const
{
    return marker(box()) ? 0 : QAccessibleWidget::childCount();
}

QAccessibleInterface *PictureBoxAccessible::child(int index) const
{
    return marker(box()) ? nullptr : QAccessibleWidget::child(index);
}

int PictureBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return marker(box()) ? -1 : QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface *PictureBoxAccessible::childAt(int x, int y) const
{
    return marker(box()) ? nullptr : QAccessibleWidget::childAt(x, y);
}

QString PictureBoxAccessible::shownOf(const PictureBox *box)
{
    if (unitTwips(box) > 0 && levels(box) > 0) {
        const float level = std::floor(box->widthTwips() / unitTwips(box));
        //: A skill bar's level, e.g. "level 3 of 18".
        return QCoreApplication::translate("PictureBoxAccessible", "level %1 of %2")
            .arg(double(level))
            .arg(levels(box));
    }
    if (fullTwips(box) > 0)
        return QCoreApplication::translate("PictureBoxAccessible", "%1 percent")
            .arg(std::lround(box->widthTwips() / fullTwips(box) * 100.0f));
    if (const PictureBox *m = marker(box)) {
        const int row = square(m->top());
        //: The player's square on the map; the bottom row is the healing row.
        return (row == HealingRow
                    ? QCoreApplication::translate("PictureBoxAccessible", "Column %1, row %2, healing row")
                    : QCoreApplication::translate("PictureBoxAccessible", "Column %1, row %2"))
            .arg(square(m->left()))
            .arg(row);
    }
    return QString();
}

QString PictureBoxAccessible::content() const
{
    return shownOf(box());
}

namespace {

using Other = PictureBoxAccessible::Nearest;

Other otherFrom(const PictureBox *you, const PictureBox *other)
{
    return {other, square(other->left()) - square(you->left()), square(other->top()) - square(you->top())};
}

// The others, nearest first by steps, then in the container's order.
QList<Other> othersOf(const PictureBox *container)
{
    QList<Other> found;
    const PictureBox *you = marker(container);
    if (!you)
        return found;
    const auto children = container->findChildren<const PictureBox *>(QString(), Qt::FindDirectChildrenOnly);
    for (const PictureBox *other : children) {
        if (other != you && other->shown() && !other->accessibleName().isEmpty())
            found.append(otherFrom(you, other));
    }
    std::stable_sort(found.begin(), found.end(), [](const Other &a, const Other &b) { return a.steps() < b.steps(); });
    return found;
}

QString wayTo(const Other &other)
{
    QStringList way;
    //: Squares between the player and the nearest enemy, e.g. "3 up".
    if (other.down != 0)
        way.append(other.down < 0
                       ? QCoreApplication::translate("PictureBoxAccessible", "%n up", nullptr, -other.down)
                       : QCoreApplication::translate("PictureBoxAccessible", "%n down", nullptr, other.down));
    if (other.across != 0)
        way.append(other.across < 0
                       ? QCoreApplication::translate("PictureBoxAccessible", "%n left", nullptr, -other.across)
                       : QCoreApplication::translate("PictureBoxAccessible", "%n right", nullptr, other.across));
    //: Between the steps of a way, as in "3 up, 2 left".
    return way.join(QCoreApplication::translate("PictureBoxAccessible", ", "));
}

// The news of another beside or on the square, else an empty text. On
// the square it is news of its own, with the keys, when the other came
// there; a step onto it starts the battle at once.
enum class Came { Here, WithKeys };

QString newsOf(const Other &other, Came came = Came::Here)
{
    if (other.steps() == 0 && came == Came::WithKeys)
        //: An enemy (%1, e.g. "Green enemy") has come onto the player's square; Space starts the battle.
        return QCoreApplication::translate("PictureBoxAccessible",
                                           "%1 on your square: Space fights it, an arrow key steps away.")
            .arg(other.marker->accessibleName());
    if (other.steps() == 0)
        //: An enemy (%1, e.g. "Green enemy") stands on the player's square, told after the player's step.
        return QCoreApplication::translate("PictureBoxAccessible", "%1 on your square.")
            .arg(other.marker->accessibleName());
    if (other.steps() == 1)
        //: An enemy (%1, e.g. "Green enemy") stands next to the player, the way %2 ("1 up").
        return QCoreApplication::translate("PictureBoxAccessible", "%1 beside you: %2.")
            .arg(other.marker->accessibleName(), wayTo(other));
    return QString();
}

QString sentenceOf(const Other &other)
{
    const QString news = newsOf(other);
    if (!news.isEmpty())
        return news;
    //: An enemy (%1, e.g. "Green enemy") and the way to it (%2, e.g. "2 up, 1 right"), told after each step.
    return QCoreApplication::translate("PictureBoxAccessible", "%1: %2.")
        .arg(other.marker->accessibleName(), wayTo(other));
}

} // namespace

int PictureBoxAccessible::Nearest::steps() const
{
    return std::abs(across) + std::abs(down);
}

std::optional<PictureBoxAccessible::Nearest> PictureBoxAccessible::nearestOf(const PictureBox *box)
{
    const QList<Other> others = othersOf(box);
    return others.isEmpty() ? std::nullopt : std::optional<Nearest>(others.first());
}

QList<const PictureBox *> PictureBoxAccessible::othersNearestFirst(const PictureBox *container)
{
    QList<const PictureBox *> boxes;
    for (const Other &other : othersOf(container))
        boxes.append(other.marker);
    return boxes;
}

QString PictureBoxAccessible::wayTo(const PictureBox *container, const PictureBox *other)
{
    const PictureBox *you = marker(container);
    return you && other ? sentenceOf(otherFrom(you, other)) : QString();
}

const PictureBox *PictureBoxAccessible::chosen(const PictureBox *container)
{
    const QString name = container->property(AccessibleProperty::Chosen).toString();
    const auto *other =
        name.isEmpty() ? nullptr : container->findChild<const PictureBox *>(name, Qt::FindDirectChildrenOnly);
    return other && other->shown() && !other->accessibleName().isEmpty() ? other : nullptr;
}

QString PictureBoxAccessible::closeBy(const PictureBox *box)
{
    const QList<Other> others = othersOf(box);
    return others.isEmpty() ? QString() : newsOf(others.first(), Came::WithKeys);
}

QString PictureBoxAccessible::way(const PictureBox *box)
{
    // News of one close by comes first, whoever was chosen.
    const QList<Other> others = othersOf(box);
    const QString near = others.isEmpty() ? QString() : newsOf(others.first());
    if (!near.isEmpty())
        return near;
    if (const PictureBox *other = chosen(box))
        return wayTo(box, other);
    if (others.isEmpty())
        return QCoreApplication::translate("PictureBoxAccessible", "No one else in sight.");
    return sentenceOf(others.first());
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
        {
            //: What a screen reader calls the map or a bar: its name (%1) and what it shows (%2), e.g. "World map: Column 1, row 22".
            const QString named =
                QCoreApplication::translate("PictureBoxAccessible", "%1: %2").arg(box()->accessibleName(), shown);
            if (!marker(box()))
                return named;
            // A reader speaks the map's name after each step: the way to the
            // nearest or the chosen enemy goes with the square, once the
            // enemies stand where the clock put them.
            if (box()->property(AccessibleProperty::Unplaced).toBool())
                //: The map's square alone (%1, "World map: Column 1, row 22"), before the enemies have moved.
                return QCoreApplication::translate("PictureBoxAccessible", "%1.").arg(named);
            //: The map's square (%1, "World map: Column 1, row 22") and the way to the nearest enemy (%2, "Red enemy: 3 up.").
            return QCoreApplication::translate("PictureBoxAccessible", "%1. %2").arg(named, way(box()));
        }
    case QAccessible::Description:
        // How to play on the map is told once, by its window.
        if (marker(box()))
            return QString();
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
