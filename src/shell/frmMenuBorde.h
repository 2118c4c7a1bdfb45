#pragma once

#include "shell/MenuForm.h"

// The menu form with a fixed border and a title bar, for screens of unusual widths.
class frmMenuBorde : public MenuForm
{
    Q_OBJECT
public:
    frmMenuBorde();
};
