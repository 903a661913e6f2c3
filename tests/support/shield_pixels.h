// Reading a button that shows the system's shield beside its text off the screen: where the
// shield is, and where the text's black ink lies outside it.
#pragma once
#include <windows.h>

struct ShieldButtonPixels {
    bool shieldFound;      // the small shield, pixel for pixel as the system draws it on a face
    RECT shield;           // its square in the button's client area
    int inkLeft, inkRight; // the columns of black ink outside the shield (right < left: none)
    int width;
};

// Captures the button's client area once it has settled and reads it.
ShieldButtonPixels ReadShieldButton(HWND button);

// The width of the black ink of `text` drawn with `font` (font handles belong to their process:
// the font must be this process's own).
int InkWidth(HFONT font, const char *text);
