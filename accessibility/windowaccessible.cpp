#include "accessibility/windowaccessible.h"

#include <QWidget>

WindowAccessible::WindowAccessible(QWidget *window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

QAccessible::Role WindowAccessible::role() const
{
    if (widget()->property("accessibleWindowKind").toString() == QLatin1String("dialog"))
        return QAccessible::Dialog;
    return QAccessible::Window;
}
