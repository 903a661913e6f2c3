// The install run: copy the data file with progress, record it, register and copy the uninstaller.
#include "install.h"

// Not built yet.
void RunInstall(HWND) {}
