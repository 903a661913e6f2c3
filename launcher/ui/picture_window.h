// The main dialog's picture state and its handling of paint, palette and progress messages.
#pragma once
#include <windows.h>

#include "main_picture.h"

// The picture state of the main dialog, one per process.
struct MainPicture {
    HBITMAP picture;
    HPALETTE palette;
    LONG width, height;
    HBITMAP progress; // NULL when not loaded
    LONG originX, originY;
    int percent; // 100: the whole picture in colour
};
MainPicture &TheMainPicture();

// Each returns what the dialog procedure returns for its message.
BOOL OnPicturePaint(HWND dialog);
BOOL OnInstallProgress(HWND dialog, WPARAM percent);
BOOL OnQueryNewPalette(HWND dialog);
BOOL OnPaletteChanged(HWND dialog, HWND changedBy);

// How many times the picture has been painted in this process (for benchmarks).
long PictureRepaintCount();
