#include "forms/windowsetup.h"

#include "accessibility/accessiblefactory.h"
#include "resources/gamepictures.h"
#include "system/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace WindowSetup {

void prepare()
{
    static const bool prepared = [] {
        GamePictures::ensureLoaded();
        // Before any form is set up, so that no control is described the default way.
        AccessibleFactory::install();
        // Every window, message boxes included, shows the game's icon.
        if (qApp)
            QApplication::setWindowIcon(GamePictures::applicationIcon());
        return true;
    }();
    Q_UNUSED(prepared);
}

void readInLanguageDirection(QWidget *window)
{
    if (!Language::rightToLeft())
        return;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget))
            widget->setLayoutDirection(Qt::RightToLeft);
        // The first letter of a line, now at the right, may reach past its
        // place: a framed box keeps it off the frame.
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && label->frameShape() != QFrame::NoFrame && label->indent() < 0 && label->margin() == 0)
            label->setIndent(2);
    }
}

} // namespace WindowSetup
