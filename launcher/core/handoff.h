// Starting programs: the hand-off to a program registered under the title's key, and StartProgram.
#pragma once
#include <windows.h>

// Starts the program registered under the value named by fixed string valueId, unless it names
// this launcher or does not exist. TRUE when it was started.
BOOL RunRegisteredProgram(HINSTANCE instance, UINT makerId, UINT productId, UINT valueId);

// CreateProcessA of a command line in a new process group, shown normally; no wait.
BOOL StartProgram(const char *commandLine);
