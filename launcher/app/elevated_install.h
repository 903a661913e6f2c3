// The install with an administrator's rights: the launcher that asks once for them and waits, and
// the elevated launcher it starts, which installs and reports its progress to the first one's
// window.
#pragma once
#include <windows.h>

#include "../setup/install.h"
#include "elevation.h"

// Starts this program elevated ("runas": the system's one prompt) to install into `folder`,
// reporting to `mainDialog`, and waits for it to end. Runs on the install's thread.
InstallOutcome HandOffInstall(const char *folder, HWND mainDialog, HandOffResult *result);

// The elevated launcher's whole run, for a command line that IsElevatedRequest: it takes the folder
// and window from the command line through the checks a folder typed into Custom Install passes,
// reports to the window only when it is a main launcher window of a process running this same
// program file, gathers its own facts, plans, installs, and returns the exit code that carries
// the outcome. It shows no window and never asks for anything.
int RunElevatedInstall(HINSTANCE instance, const char *commandLine, DWORD pausePerChunk);
