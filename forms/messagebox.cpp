#include "forms/messagebox.h"
#include "forms/windowplacement.h"
#include "forms/windowsetup.h"
#include "system/language.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace {
MessageBox::Handler handler;
bool unattended = false;
const QLatin1String BoxName("gameMessageBox");
const QLatin1String QuestionName("gameQuestion");

// A box that keeps its size the way the game's windows do (it may grow on
// Wayland): QMessageBox fixes its size whenever it is shown or its layout
// changes, so the size is let go again each time.
//
// It opens centred on the window it belongs to by that window's own
// rectangle: Qt would go by where the window system last said that window
// was, which at the start may not have come yet (the title then counts as
// standing at 0,0). The box takes its place before QDialog would choose one
// of its own: of two places asked for one after the other, a busy window
// manager may open the box at the first.
//
// A window manager on a busy machine may report the box at the size it was
// created at (100 x 30, nothing of its text in sight) after the box has
// asked for its own. QMessageBox does not ask again while its fixed size is
// unchanged, so the box asks again itself rather than keep that size.
class GameMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent *event) override
    {
        const bool firstShow = event->type() == QEvent::Show && !m_placed;
        const QSize placedWith = size();
        if (firstShow) {
            m_placed = true;
            WindowPlacement::centreOn(this, parentWidget());
        }
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
            if (shrunk())
                resize(size().expandedTo(minimumSize()));
            WindowPlacement::keepSize(this);
        }
        // Not every size the window system gives brings a new layout.
        if (event->type() == QEvent::Resize && shrunk())
            QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
        if (firstShow && size() != placedWith)
            WindowPlacement::centreOn(this, parentWidget());
        return handled;
    }

private:
    // Shown smaller than the size the box fixed for itself.
    bool shrunk() const
    {
        return isVisible() && (width() < minimumWidth() || height() < minimumHeight());
    }

    bool m_placed = false;
};

// The window the box belongs to, so that the window system keeps it over
// that window: the battle or another box while one is up, else the window
// with the keyboard focus, else any window of the game that is shown (on
// Wayland the game may not learn which window has the focus).
QWidget *owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}
} // namespace

void MessageBox::show(const QString &text, const QString &caption)
{
    // The program's title, as every box without a caption of its own shows.
    const QString title = caption.isEmpty() ? QString::fromLatin1(WindowSetup::ProgramTitle) : caption;
    if (handler) {
        handler(text, title);
        return;
    }
    if (unattended) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return;
    }
    // A caption and a close button (the same as OK), nothing to minimize
    // or maximize.
    GameMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner(),
                       Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setObjectName(BoxName);
    if (Language::rightToLeft())
        box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

void MessageBox::answerAll()
{
    unattended = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(window);
        if (box && box->objectName() == BoxName && box->isVisible()) {
            std::fprintf(stderr, "%s\n", box->text().toLocal8Bit().constData());
            box->done(QMessageBox::Ok);
        } else if (isQuestion(box) && box->isVisible()) {
            box->reject();
        }
    }
}

std::unique_ptr<QMessageBox> MessageBox::question(const QString &text, const QString &accept, const QString &decline,
                                                  QWidget *owner)
{
    auto box = std::make_unique<GameMessageBox>(
        QMessageBox::NoIcon, QString::fromLatin1(WindowSetup::ProgramTitle), text, QMessageBox::NoButton, owner,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box->setObjectName(QuestionName);
    // No access keys: a single letter would answer.
    QPushButton *yes = box->addButton(accept, QMessageBox::AcceptRole);
    box->setEscapeButton(box->addButton(decline, QMessageBox::RejectRole));
    box->setDefaultButton(yes);
    if (Language::rightToLeft())
        box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

bool MessageBox::ask(const QString &text, const QString &accept, const QString &decline)
{
    // Nobody may be there to answer: the game is ending on its own.
    if (unattended)
        return false;
    const std::unique_ptr<QMessageBox> box = question(text, accept, decline, owner());
    box->exec();
    return box->clickedButton() && box->buttonRole(box->clickedButton()) == QMessageBox::AcceptRole;
}

bool MessageBox::isQuestion(const QWidget *window)
{
    return qobject_cast<const QMessageBox *>(window) && window->objectName() == QuestionName;
}

void MessageBox::setHandler(Handler h)
{
    handler = std::move(h);
}

void MessageBox::clearHandler()
{
    handler = nullptr;
}
