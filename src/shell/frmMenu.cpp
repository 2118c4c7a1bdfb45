#include "shell/frmMenu.h"

frmMenu::frmMenu()
    : MenuForm(QStringLiteral("frmMenu"), false)
{
}
