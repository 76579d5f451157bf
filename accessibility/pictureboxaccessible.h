#pragma once

// What assistive technology is told about a picture box: its name and
// description from the form, and what the box shows where it shows
// something a player needs, as its window marks it (AccessibleProperty):
//   - a bar marked with UnitTwips and Levels reads as its level out of
//     that many ("Violet skill: level 3 of 18");
//   - a bar marked with FullTwips reads as its width as a percentage of
//     that ("Your strength: 56 percent");
//   - a container that names a marker in Marker (the world map) reports
//     that marker's square, as name, text and value ("Column 4, row 22,
//     healing row"), and tells in its name the way to the other shown
//     marker with a name that the container has Chosen, else to the
//     nearest ("Violet enemy: 3 up, 2 left."), or the news of one a step
//     away or on the square ("Violet enemy beside you: 1 up."); nothing
//     of the others while they are Unplaced. It reads as an animation, whose
//     role a reader does not say after every step; its markers
//     are not children of its own to a reader.
// Bars offer no value to set and so no actions; the map's value is its
// square's number, which changes with every move so that a reader speaks
// the new square. Created by Qt on demand through the game's accessibility
// factory and dropped with its box.

#include "accessibility/readonlytext.h"

#include <QAccessibleWidget>

#include <optional>

class PictureBox;

class PictureBoxAccessible : public QAccessibleWidget, public QAccessibleValueInterface, public ReadOnlyText
{
public:
    explicit PictureBoxAccessible(PictureBox *box);

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QString content() const override;
    using ReadOnlyText::text;

    // What the box shows in words ("level 3 of 18", "Column 4, row 22"),
    // or an empty text when it shows nothing a player reads.
    static QString shownOf(const PictureBox *box);
    // Whether the box's value follows a marker's square (the world map).
    static bool followsMarker(const PictureBox *box);
    // The news when a shown named marker stands on the box's marker's
    // square or a step from it ("Red enemy on your square: Space fights
    // it, an arrow key steps away."), else an empty text.
    static QString closeBy(const PictureBox *box);
    // What the box's name tells after the square: the news of one close
    // by, else the way to the chosen or the nearest other.
    static QString way(const PictureBox *box);
    // The other shown markers with a name, nearest first (then in the
    // box's order), and the sentence of the way to one of them.
    static QList<const PictureBox *> othersNearestFirst(const PictureBox *container);
    static QString wayTo(const PictureBox *container, const PictureBox *other);
    // The other marker the box has Chosen, while it is shown; else none.
    static const PictureBox *chosen(const PictureBox *container);

    // The nearest other shown marker with a name (nearest by steps, then
    // by its place among the box's children), in squares across (right is
    // positive) and down from the box's marker; the way a reader is told.
    struct Nearest
    {
        const PictureBox *marker = nullptr;
        int across = 0;
        int down = 0;
        int steps() const;
    };
    static std::optional<Nearest> nearestOf(const PictureBox *box);

private:
    PictureBox *box() const;
};
