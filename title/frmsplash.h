#pragma once

// The title window, the first thing the program shows: the title picture,
// the instructions and a bottom line that alternates every second between
// the credit line and "Press a key to play". Any key that produces a
// character creates and shows the map window (whose start-up runs while
// this window stays visible) and then hides this window for good. It
// stays loaded, its timer still ticking, until the program ends.

#include <QWidget>
#include <memory>

class QTimer;
class frmMainGameWindow;

namespace Ui {
class frmSplash;
}

class frmSplash : public QWidget
{
    Q_OBJECT

public:
    // Must match the design caption of lbl_Author.
    static const QString CreditLine;
    // The bottom line that takes turns with the credit line.
    static QString pressAKey();

    explicit frmSplash(QWidget *parent = nullptr);
    ~frmSplash() override;

    // Asked from outside to end (EndRequests): before the map has started
    // there is nothing to save, and the program ends with 0; after, the
    // map ends as its closing does.
    void endOnRequest();
    // Asked to keep what the game holds, without ending: the map saves.
    void keepOnRequest();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Closing the title, by any means, ends the program at once: there is
    // nothing to save before the map has started, and a hidden title with
    // no other window would leave the program running unseen.
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_KeyPress();
    // Every second: the bottom line's turn.
    QTimer *Timer1 = nullptr;
    void Timer1_Timer();

    std::unique_ptr<Ui::frmSplash> ui;
    frmMainGameWindow *m_map = nullptr;
    bool m_centred = false;
    bool m_starting = false;
};
