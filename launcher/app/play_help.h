// The main dialog's Play and Help commands.
#pragma once
#include <windows.h>

// Starts the title (the registered player, or the title's own player after the requirements
// check); TRUE when a program was started.
BOOL PlayTitle(HWND mainDialog);

// Opens the help document (language string `offset`, else the fixed help path) in its associated
// program; TRUE when that program was started.
BOOL ShowHelp(HWND mainDialog, UINT offset);
