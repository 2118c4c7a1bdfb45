#include "shell/frmMenuBorde.h"

frmMenuBorde::frmMenuBorde()
    : MenuForm(QStringLiteral("frmMenuBorde"), true)
{
}
