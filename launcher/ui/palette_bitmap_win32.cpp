// Loading palettised DIB resources as device bitmaps and drawing them through their palette.
#include "palette_bitmap.h"

#include <cstring>

#include "dib_layout.h"

// A logical palette from a BITMAPINFOHEADER and its `colours` table entries behind it (at most
// 256); NULL on no memory.
static HPALETTE CreateDibPalette(const BITMAPINFOHEADER *header, DWORD colours) {
    LOGPALETTE *logical = static_cast<LOGPALETTE *>(LocalAlloc(LPTR, 4 + 4 * size_t(colours)));
    if (logical == NULL)
        return NULL;
    const RGBQUAD *table =
        reinterpret_cast<const RGBQUAD *>(reinterpret_cast<const BYTE *>(header) + header->biSize);
    logical->palVersion = 0x300;
    logical->palNumEntries = WORD(colours);
    for (DWORD i = 0; i < colours; ++i) {
        logical->palPalEntry[i].peRed = table[i].rgbRed;
        logical->palPalEntry[i].peGreen = table[i].rgbGreen;
        logical->palPalEntry[i].peBlue = table[i].rgbBlue;
        logical->palPalEntry[i].peFlags = PC_NOCOLLAPSE;
    }
    HPALETTE palette = CreatePalette(logical);
    LocalFree(logical);
    return palette;
}

HBITMAP LoadPaletteBitmap(HINSTANCE instance, UINT id, HPALETTE *palette, LONG *width,
                          LONG *height) {
    HRSRC found =
        FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = found != NULL ? LoadResource(instance, found) : NULL;
    const void *resource = loaded != NULL ? LockResource(loaded) : NULL;
    if (resource == NULL)
        return NULL;
    const DWORD size = SizeofResource(instance, found);
    // Only a DIB whose header, table and every pixel row lie inside the resource is drawn.
    const DibLayout layout = ReadDibLayout(resource, size);
    if (!layout.drawable)
        return NULL;

    HDC screen = GetDC(NULL);
    void *copy = LocalAlloc(LPTR, size);
    if (copy == NULL) {
        ReleaseDC(NULL, screen);
        return NULL;
    }
    std::memcpy(copy, resource, size);
    const BITMAPINFOHEADER *header = static_cast<const BITMAPINFOHEADER *>(copy);
    const BYTE *bits = static_cast<const BYTE *>(copy) + layout.bitsAt;

    *palette = CreateDibPalette(header, layout.colours);
    HPALETTE previous = SelectPalette(screen, *palette, FALSE);
    RealizePalette(screen);
    HBITMAP bitmap = CreateDIBitmap(screen, header, CBM_INIT, bits,
                                    reinterpret_cast<const BITMAPINFO *>(header), DIB_RGB_COLORS);
    BITMAP record = {};
    GetObjectA(bitmap, sizeof record, &record);
    *width = record.bmWidth;
    *height = record.bmHeight;

    // Hand the screen context back without our palette in it, so the palette can be deleted.
    if (previous != NULL)
        SelectPalette(screen, previous, FALSE);
    LocalFree(copy);
    ReleaseDC(NULL, screen);
    return bitmap;
}

BOOL DrawPaletteBitmap(HDC target, HBITMAP bitmap, HPALETTE palette, int destX, int destY, int srcX,
                       int srcY, int width, int height) {
    SelectPalette(target, palette, FALSE);
    RealizePalette(target);
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    HPALETTE previousPalette = SelectPalette(memory, palette, FALSE);
    RealizePalette(memory);
    BOOL done = BitBlt(target, destX, destY, width, height, memory, srcX, srcY, SRCCOPY);
    if (previousPalette != NULL)
        SelectPalette(memory, previousPalette, FALSE);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
    return done;
}
