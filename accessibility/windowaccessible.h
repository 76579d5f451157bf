#pragma once

// What assistive technology is told about one of the game's own top-level
// windows (not a dialog box): a frame, or a dialog where the window sets
// AccessibleProperty::WindowKind to DialogKind (the title, whose words a
// reader speaks as it opens). Read at every query, since Qt may ask before
// the window has set the property. Created by Qt on demand through the game's
// accessibility factory and dropped with its window.

#include <QAccessibleWidget>

class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window);

    QAccessible::Role role() const override;
};
