#pragma once

// The floor the game is measured against: a bare window of the map
// window's size whose precise 17 ms timer advances a progress bar without
// text, at the place and size of the map's bar, from 0 to 100 and back to
// 0. Like the map's 21 enemies, 21 plain 16 x 16 squares each take one
// random step of 16 pixels (or stay) every 100 ticks. With a marker it also
// shows a white 16 x 16 square at the player's start square that the arrow
// keys move one square of 16 pixels at a time. Qt's progress bar repaints
// only once its value has grown by a chunk's width, here every other tick;
// asked to show every tick, its style says the chunks are a pixel wide, so
// that it repaints at every value, as the game's bar does.
//
// Created once by a baseline program's main() and shown until the program
// is ended from outside.

#include <QWidget>

#include <array>

class QProgressBar;
class QTimer;

class BaselineWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BaselineWindow(bool withMarker, bool everyTick = false, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void tick();
    void stepSquares();

    QProgressBar *m_bar = nullptr;
    QTimer *m_timer = nullptr;
    QWidget *m_marker = nullptr;
    std::array<QWidget *, 21> m_squares{};
};
