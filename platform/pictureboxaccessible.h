#pragma once

// What assistive technology is told about a picture box: its name and
// description from the form, and a value where the box carries one. A bar
// whose form gives it "accessibleUnitTwips" reports its width in those
// units (a skill bar's level at 150 twips per level); a container whose
// form names a marker in "accessibleMarker" reports that marker's column
// and row on the 16-pixel grid. Created by Qt on demand through the
// game's accessibility factory and dropped with its box.

#include <QAccessibleWidget>

class PictureBox;

class PictureBoxAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PictureBoxAccessible(PictureBox *box);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The value a box reports, or an invalid variant when it has none.
    static QVariant valueOf(const PictureBox *box);
    // Tells assistive technology that the box's value has changed.
    static void notifyValueChanged(PictureBox *box);

private:
    PictureBox *box() const;
};
