// The launcher's main window class "TWL_AUTORUN" and the modal run of the main dialog.
#pragma once
#include <windows.h>

#include "launch_options.h"

#define LAUNCHER_CLASS "TWL_AUTORUN"
#define PLAYER_CLASS "TWL_ORB"

// Registers the class and runs dialog 101; 0 without showing anything when registration fails.
INT_PTR RunMainDialog(HINSTANCE instance, const LaunchOptions &options);
