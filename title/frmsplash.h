#pragma once

// The title window: the title picture, the instructions and a bottom line
// that alternates between the credit line and "Press a key to play". Any
// character key opens the map window and hides this one for good.

#include "ui_frmSplash.h"

#include <QWidget>

class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    Ui::frmSplash ui;
};
