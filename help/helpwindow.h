#pragma once

// The help: a window of its own over the title, the map or the battle
// window, with the help page (HelpPage) in a text read line by line
// (HelpText) and a Close button. Made for one opening: open() shows it modally, with the enemy
// clock held, and returns when Escape or the button has closed it; the
// window under it then has its focus back.

#include <QDialog>

class HelpText;

class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *over);

    // Opens the help over `window` and returns once it is closed.
    static void showOver(QWidget *window);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void placeBesideOwner();

    HelpText *m_browser = nullptr;
    bool m_placed = false;
};
