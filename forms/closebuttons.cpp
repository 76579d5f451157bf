#include "forms/closebuttons.h"

#include <QKeyEvent>
#include <QPushButton>

CloseButtons::CloseButtons(QWidget *parent)
    : QDialogButtonBox(QDialogButtonBox::Close, parent)
{
    for (QAbstractButton *button : buttons()) {
        if (auto *push = qobject_cast<QPushButton *>(button))
            push->setAutoDefault(false);
        button->installEventFilter(this);
    }
}

bool CloseButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    return QDialogButtonBox::eventFilter(watched, event);
}
