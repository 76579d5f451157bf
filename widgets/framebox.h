#pragma once

// A frame of the game's layouts: one etched line around the frame with
// the caption sitting on the top line, which runs through the middle of
// the caption. Controls inside are placed from the frame's top-left
// corner, so the whole height of the frame is theirs. Used by the forms
// in place of a plain group box; it lives as long as its window.

#include <QGroupBox>

class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FrameBox(QWidget *parent = nullptr);

    // Where the caption is drawn, in the frame's own pixels.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The frame's line: its top edge runs through the caption's middle.
    QRect lineRect() const;
};
