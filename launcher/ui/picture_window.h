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
    int percent;         // 100: the whole picture in colour
    long repaints;       // how often it was painted (for benchmarks)
    HINSTANCE module;    // where bitmap 117 is loaded from...
    bool progressWanted; // ...when the first progress below 100 arrives
};

// Loads bitmap 108 with its palette and size. Starts at 100 percent, origin (0, 0). When asked,
// bitmap 117 becomes the progress picture (drawn through 108's palette), loaded when the first
// percentage below 100 arrives: the first window does not wait for a picture it does not show.
void LoadMainPicture(HINSTANCE instance, bool withProgress, MainPicture *picture);

// Each returns what the dialog procedure returns for its message.
BOOL OnPicturePaint(HWND window, MainPicture &picture);
BOOL OnInstallProgress(HWND window, MainPicture &picture, WPARAM percent);
BOOL OnQueryNewPalette(HWND window, const MainPicture &picture);
BOOL OnPaletteChanged(HWND window, const MainPicture &picture, HWND changedBy);
