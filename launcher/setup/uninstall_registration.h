// The title's entry in Windows' list of removable programs.
#pragma once
#include <windows.h>

// Creates or opens the entry and writes "DisplayName" and "UninstallString"; TRUE when both
// values were written.
BOOL RegisterUninstall(const char *displayName, const char *uninstallCommand);
