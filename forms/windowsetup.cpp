#include "forms/windowsetup.h"

#include "accessibility/accessiblefactory.h"
#include "resources/gamepictures.h"
#include "system/language.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>

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

namespace {

// A box that holds markers is the map: its squares, and where the markers
// stand on them, are the game's and read the same in every language.
bool holdsMarkers(const QWidget *widget)
{
    return qobject_cast<const PictureBox *>(widget)
        && !widget->findChildren<PictureBox *>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
}

// Each control at x in a parent of width W goes to W - x - width, and
// reads right to left; so do the controls of every frame inside.
void mirrorPlaces(QWidget *parent)
{
    const auto children = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        child->move(parent->width() - child->x() - child->width(), child->y());
        if (holdsMarkers(child))
            continue;
        child->setLayoutDirection(Qt::RightToLeft);
        mirrorPlaces(child);
    }
}

} // namespace

void readInLanguageDirection(QWidget *window)
{
    if (!Language::rightToLeft())
        return;
    mirrorPlaces(window);
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        // The first letter of a line, now at the right, may reach past its
        // place (an alef touches the frame): a framed box keeps two pixels
        // between its text and the frame.
        if (label->frameShape() != QFrame::NoFrame && label->margin() + std::max(label->indent(), 0) < 2)
            label->setIndent(2 - label->margin());
    }
}

} // namespace WindowSetup
