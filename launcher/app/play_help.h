// The main dialog's Play and Help commands.
#pragma once
#include <windows.h>

// Starts the title (the registered player, or the player on the disc after the requirements
// check); TRUE when a program was started.
BOOL PlayTitle(HWND mainDialog);

// Opens the help document (language string `offset`, else the fixed help path) in its associated
// program; TRUE when that program was started.
BOOL ShowHelp(HWND mainDialog, UINT offset);

// Starts the disc program named by fixed string `id`; TRUE on success.
BOOL LaunchFromDisc(HWND mainDialog, UINT id);
