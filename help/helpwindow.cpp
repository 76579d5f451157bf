#include "help/helpwindow.h"

#include "help/helppage.h"
#include "help/helptext.h"
#include "logic/modgamelogiccode.h"
#include "forms/closebuttons.h"
#include "forms/windowplacement.h"
#include "forms/windowsetup.h"
#include "system/language.h"

#include <QDialogButtonBox>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// Room for about sixty letters a line beside the map on a 1366 x 768
// screen, and most of that screen's height.
constexpr QSize HelpSize(420, 600);
constexpr int Gap = 8;
} // namespace

HelpWindow::HelpWindow(QWidget *over)
    : QDialog(over)
{
    WindowSetup::prepare();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(HelpPage::title());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(HelpSize);

    m_browser = new HelpText(this);
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setAccessibleName(HelpPage::title());
    if (Language::rightToLeft()) {
        QTextOption option = m_browser->document()->defaultTextOption();
        option.setTextDirection(Qt::RightToLeft);
        m_browser->document()->setDefaultTextOption(option);
    }
    // The page is always longer than the window: with its scroll bar there
    // from the start, the page is laid out once at its final width, and a
    // table laid out for the wider page never leaves a sideways scroll.
    m_browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_browser->setHtml(HelpPage::html());

    // Enter on the page follows a link; only on the button does it close.
    auto *buttons = new CloseButtons(this);
    buttons->setObjectName(QStringLiteral("helpButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &HelpWindow::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    WindowSetup::readInLanguageDirection(this);
    m_browser->setFocus();
}

void HelpWindow::showOver(QWidget *window)
{
    const PausedEnemies paused;
    HelpWindow help(window);
    help.exec();
}

void HelpWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        placeBesideOwner();
    }
    QDialog::showEvent(event);
}

// To the right of the window it helps with, where the screen has room,
// else to its left, else as far right as the screen goes; never past the
// screen's edges, frame included, and no taller than the screen.
void HelpWindow::placeBesideOwner()
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->screen())
        return;
    const QRect screen = owner->screen()->availableGeometry();
    // The window manager's frame, as the owner has it; the frameless title
    // has none to go by, so room for a title bar is kept.
    QMargins frame = WindowPlacement::frameMargins(owner);
    const QRect ownerFrame = owner->geometry().marginsAdded(frame);
    if (frame.isNull())
        frame = QMargins(4, 32, 4, 4);
    resize(width(), std::min(height(), screen.height() - frame.top() - frame.bottom()));
    const int outerWidth = width() + frame.left() + frame.right();
    const int outerHeight = height() + frame.top() + frame.bottom();
    int left = ownerFrame.right() + 1 + Gap;
    if (left + outerWidth > screen.right() + 1)
        left = ownerFrame.left() - Gap - outerWidth;
    if (left < screen.left())
        left = screen.right() + 1 - outerWidth;
    const int top =
        std::clamp(ownerFrame.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - outerHeight));
    move(left, top);
}
