// The main dialog's picture: loading it, and its handling of paint, palette and progress messages.
#include "picture_window.h"

#include "../resources/resource_ids.h"
#include "palette_bitmap.h"

void LoadMainPicture(HINSTANCE instance, bool withProgress, MainPicture *picture) {
    *picture = MainPicture{NULL, NULL, 0, 0, NULL, 0, 0, 100, 0, instance, withProgress};
    picture->picture = LoadPaletteBitmap(instance, IDB_PICTURE, &picture->palette, &picture->width,
                                         &picture->height);
}

static void LoadProgressPicture(MainPicture &picture) {
    picture.progressWanted = false; // once: a picture that cannot be had is not asked for again
    HPALETTE unusedPalette = NULL;
    LONG unusedWidth = 0, unusedHeight = 0;
    picture.progress = LoadPaletteBitmap(picture.module, IDB_PROGRESS, &unusedPalette, &unusedWidth,
                                         &unusedHeight);
    // The progress picture is drawn through the colour picture's palette.
    if (unusedPalette != NULL)
        DeleteObject(unusedPalette);
}

static void Draw(HDC target, const MainPicture &picture, HBITMAP bitmap, const PictureBlit &blit) {
    DrawPaletteBitmap(target, bitmap, picture.palette, int(blit.destX), int(blit.destY),
                      int(blit.srcX), int(blit.srcY), int(blit.width), int(blit.height));
}

BOOL OnPicturePaint(HWND window, MainPicture &picture) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    const PictureBlits blits = PlanPictureBlits(picture.percent, picture.originX, picture.originY,
                                                picture.width, picture.height);
    Draw(target, picture, picture.picture, blits.colour);
    if (picture.percent != 100)
        Draw(target, picture, picture.progress, blits.progress);
    EndPaint(window, &paint);
    ++picture.repaints;
    return TRUE;
}

BOOL OnInstallProgress(HWND window, MainPicture &picture, WPARAM percent) {
    if (int(percent) == picture.percent)
        return TRUE;
    if (int(percent) != 100 && picture.progressWanted)
        LoadProgressPicture(picture);
    // Only the rows that change colour are drawn again: the copy sends a message per chunk.
    const Box band = ChangedPictureRows(picture.percent, int(percent), picture.originX,
                                        picture.originY, picture.width, picture.height);
    picture.percent = int(percent);
    if (band.bottom > band.top) {
        RECT rect = {band.left, band.top, band.right, band.bottom};
        InvalidateRect(window, &rect, FALSE);
    }
    UpdateWindow(window);
    return TRUE;
}

BOOL OnQueryNewPalette(HWND window, const MainPicture &picture) {
    HDC context = GetDC(window);
    if (picture.palette != NULL)
        SelectPalette(context, picture.palette, FALSE);
    if (RealizePalette(context) != 0) {
        SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
        InvalidateRect(window, NULL, TRUE);
    } else {
        SetWindowLongPtrA(window, DWLP_MSGRESULT, FALSE);
    }
    ReleaseDC(window, context);
    return TRUE;
}

BOOL OnPaletteChanged(HWND window, const MainPicture &picture, HWND changedBy) {
    // Our own realisation caused the change: nothing to redo.
    if (changedBy == window)
        return TRUE;
    return OnQueryNewPalette(window, picture);
}
