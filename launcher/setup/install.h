// The install run: copy the data file with progress, record it, register and copy the uninstaller.
#pragma once
#include <windows.h>

void RunInstall(HWND mainDialog);
