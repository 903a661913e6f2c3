// Gathering what an install is planned from: the data file's size, the launcher's names, and the
// install record and uninstall entry an earlier installation left.
#pragma once
#include "install_plan.h"

// Fills every fact but where the title is (titleFound and the two source paths, which the caller
// gives first): the size of facts->dataSource, the names, the previous record and entry, and how
// long a line this system's command interpreter takes.
void GatherInstallFacts(InstallFacts *facts);
