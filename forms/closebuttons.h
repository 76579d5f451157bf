#pragma once

// The row with the Close button under the help and the hall. Enter belongs
// to what the window shows (a link, a row), so the button is never the
// window's default; pressed on the button itself, Enter closes as Space
// does, which is what a controller's A sends. Made by its window, which
// owns it.

#include <QDialogButtonBox>

class CloseButtons : public QDialogButtonBox
{
    Q_OBJECT

public:
    explicit CloseButtons(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
