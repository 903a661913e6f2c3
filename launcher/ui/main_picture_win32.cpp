// The main dialog's picture: painting it whole or part installed, progress and palette messages.
#include "picture_window.h"

#include "palette_bitmap.h"

static MainPicture gPicture = {NULL, NULL, 0, 0, NULL, 0, 0, 100};
static long gRepaints = 0;

MainPicture &TheMainPicture() {
    return gPicture;
}

long PictureRepaintCount() {
    return gRepaints;
}

static void Draw(HDC target, HBITMAP bitmap, const PictureBlit &blit) {
    DrawPaletteBitmap(target, bitmap, gPicture.palette, int(blit.destX), int(blit.destY),
                      int(blit.srcX), int(blit.srcY), int(blit.width), int(blit.height));
}

BOOL OnPicturePaint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(dialog, &paint);
    const PictureBlits blits = PlanPictureBlits(gPicture.percent, gPicture.originX,
                                                gPicture.originY, gPicture.width, gPicture.height);
    Draw(target, gPicture.picture, blits.colour);
    if (gPicture.percent != 100)
        Draw(target, gPicture.progress, blits.progress);
    EndPaint(dialog, &paint);
    ++gRepaints;
    return TRUE;
}

BOOL OnInstallProgress(HWND dialog, WPARAM percent) {
    if (int(percent) == gPicture.percent)
        return TRUE;
    gPicture.percent = int(percent);
    const Box area =
        PictureRect(gPicture.originX, gPicture.originY, gPicture.width, gPicture.height);
    RECT rect = {area.left, area.top, area.right, area.bottom};
    InvalidateRect(dialog, &rect, FALSE);
    UpdateWindow(dialog);
    return TRUE;
}

BOOL OnQueryNewPalette(HWND dialog) {
    HDC context = GetDC(dialog);
    if (gPicture.palette != NULL)
        SelectPalette(context, gPicture.palette, FALSE);
    if (RealizePalette(context) != 0) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        InvalidateRect(dialog, NULL, TRUE);
    } else {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, FALSE);
    }
    ReleaseDC(dialog, context);
    return TRUE;
}

BOOL OnPaletteChanged(HWND dialog, HWND changedBy) {
    // Our own realisation caused the change: nothing to redo.
    if (changedBy == dialog)
        return TRUE;
    return OnQueryNewPalette(dialog);
}
