#pragma once

// The help's page: a text to read, not to edit, with a caret that the
// arrow keys move line by line, so that a screen reader reads each line
// the caret reaches. The list of parts at its top links to each part:
// Return on a link, or a click on it, takes the caret to that part's
// heading, which a reader is told; Tab and Shift+Tab go from link to link.
// Made by the help window, and gone with it.

#include <QTextEdit>

class HelpText : public QTextEdit
{
    Q_OBJECT

public:
    explicit HelpText(QWidget *parent = nullptr);

    // Takes the caret to the heading of the part a link names ("#advice");
    // returns whether there is such a part.
    bool follow(const QString &link);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The link the caret is on, or an empty text.
    QString linkAtCaret() const;
};
