// Starting programs: the hand-off to a program registered under the title's key, and StartProgram.
#pragma once
#include <windows.h>

// Starts the program registered under the value named by fixed string valueId, unless it names
// this launcher or does not exist. TRUE when it was started.
BOOL RunRegisteredProgram(HINSTANCE instance, UINT makerId, UINT productId, UINT valueId);

// CreateProcessA of exactly the program file named, with the command line, in a new process
// group, shown normally; no wait. Naming the file keeps the system from searching for the command
// line's first word, which an unquoted path with a blank ("C:\Title Disc\...") would turn into
// another program ("C:\Title.exe").
BOOL StartProgram(const char *program, const char *commandLine);
