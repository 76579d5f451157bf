#include "title/frmsplash.h"

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
}
