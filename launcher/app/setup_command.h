// The main dialog's Setup command: the Setup dialog, then the install planned from what was
// gathered, carried out with its progress in the picture, and its outcome in the status line.
#pragma once
#include <windows.h>

void RunSetupCommand(HWND mainDialog);
