#include "accessibility/windowaccessible.h"

#include "widgets/accessibleproperty.h"

#include <QWidget>

WindowAccessible::WindowAccessible(QWidget *window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

QAccessible::Role WindowAccessible::role() const
{
    if (widget()->property(AccessibleProperty::WindowKind).toString() == QLatin1String(AccessibleProperty::DialogKind))
        return QAccessible::Dialog;
    return QAccessible::Window;
}
