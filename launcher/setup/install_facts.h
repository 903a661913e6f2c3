// Gathering what an install is planned from: the files' sizes, the launcher's names, and the
// install record and uninstall entry an earlier installation left.
#pragma once
#include "install_plan.h"

// Fills every fact but where the title is (titleFound and the two source paths, which the caller
// gives first): the sizes of both sources, the names, the previous record and every value of the
// previous entry, and what this system's command interpreter takes (line length, code page).
void GatherInstallFacts(InstallFacts *facts);
