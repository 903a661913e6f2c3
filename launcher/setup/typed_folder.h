// The checks a typed install folder passes before anything is installed into it: in the Custom
// Install browser, and in an elevated launcher that takes the folder from its command line.
#pragma once
#include "install_plan.h"

// True when the folder holds none of the characters the browser refuses, the system parses it as
// a path (nothing is opened) and the install would take it (CheckInstallFolder).
bool TypedFolderUsable(const char *folder, const InstallFacts &facts);
