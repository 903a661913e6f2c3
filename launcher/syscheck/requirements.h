// The machine test run before Play: processor, mouse, display, sound card and CD-ROM drive.
#pragma once
#include <windows.h>

// Runs every test; when something is missing shows one box listing all of it and returns FALSE.
// `instance` is the module whose string table holds the texts.
BOOL CheckSystemRequirements(HINSTANCE instance);
