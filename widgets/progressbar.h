#pragma once

// The enemy clock's bar: a progress bar that, when its value changes,
// repaints only the columns between the old and the new value instead of
// the whole bar, and tells Qt that only those columns are new. It steps
// once every 17 ms for as long as the map window is open, so this is most
// of what the game draws while the player thinks.
//
// Used through its own type (the map window's form declares it), as a
// QProgressBar in every other way. The clock steps it with showValue();
// QProgressBar's own setValue() still works, with the whole bar repainted.

#include <QProgressBar>

class ProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit ProgressBar(QWidget *parent = nullptr);

    // Shows the new value, repainting only the columns it changes.
    void showValue(int value);

private:
    // The columns a value change can alter, with room for the end of the
    // filled part, which styles draw with an edge of its own.
    QRect changedColumns(int from, int to) const;
};
