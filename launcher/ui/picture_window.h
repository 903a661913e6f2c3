// The main dialog's picture: loading it, and its handling of paint, palette and progress messages.
#pragma once
#include <windows.h>

#include "main_picture.h"

// The picture state of a window that shows the title's picture.
struct MainPicture {
    HBITMAP picture;
    HPALETTE palette;
    LONG width, height;
    HBITMAP progress; // NULL when not loaded
    LONG originX, originY;
    int percent;   // 100: the whole picture in colour
    long repaints; // how often it was painted (for benchmarks)
};

// Loads bitmap 108 with its palette and size, and, when asked, bitmap 117 as the progress picture
// (drawn through 108's palette). Starts at 100 percent, origin (0, 0).
void LoadMainPicture(HINSTANCE instance, bool withProgress, MainPicture *picture);

// Each returns what the dialog procedure returns for its message.
BOOL OnPicturePaint(HWND window, MainPicture &picture);
BOOL OnInstallProgress(HWND window, MainPicture &picture, WPARAM percent);
BOOL OnQueryNewPalette(HWND window, const MainPicture &picture);
BOOL OnPaletteChanged(HWND window, const MainPicture &picture, HWND changedBy);
