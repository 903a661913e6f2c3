// Palettised bitmaps from the launcher's resources, drawn through their own logical palette.
#pragma once
#include <windows.h>

// The device bitmap made from DIB resource `id`, with its logical palette and size; NULL (and the
// out-values untouched) when the resource or working memory cannot be had.
HBITMAP LoadPaletteBitmap(HINSTANCE instance, UINT id, HPALETTE *palette, LONG *width,
                          LONG *height);

// Blits a rectangle of the bitmap to the target through the palette; BitBlt's result.
BOOL DrawPaletteBitmap(HDC target, HBITMAP bitmap, HPALETTE palette, int destX, int destY, int srcX,
                       int srcY, int width, int height);
