#pragma once

// The text side of a control whose words a screen reader reads but nobody
// edits or selects: a value box, the battle's status line, the map's
// square. The control's accessible interface derives from this and says
// what the text is; everything else a reader may ask (selections, the
// caret, attributes) has its plain, empty answer here.

#include <QAccessibleTextInterface>

class ReadOnlyText : public QAccessibleTextInterface
{
public:
    // The whole text, read afresh at every query.
    virtual QString content() const = 0;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
};
