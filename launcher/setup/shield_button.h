// The system's shield on a button whose command asks for an administrator's rights, drawn by the
// launcher itself: the common controls that draw it for a button are not the ones it uses.
#pragma once
#include <windows.h>

// From now on the button shows the shield beside its text. Nothing changes where the system has
// no shield icon (before Vista).
void ShowShield(HWND button);
