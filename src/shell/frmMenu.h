#pragma once

#include "shell/MenuForm.h"

// The menu form without border or title bar.
class frmMenu : public MenuForm
{
    Q_OBJECT
public:
    frmMenu();
};
