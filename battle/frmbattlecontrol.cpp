#include "battle/frmbattlecontrol.h"
#include "map/frmmaingamewindow.h"

frmBattleControl::frmBattleControl(frmMainGameWindow *owner)
    : QDialog(owner)
{
    ui.setupUi(this);
}
