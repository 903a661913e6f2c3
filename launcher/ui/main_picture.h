// The main dialog's picture: progress rows, the two blits of a partly installed picture, and the
// message that moves the progress.
#pragma once

#include "../../common/placement.h"

// Sent by the install procedure to the main dialog: wParam is the percentage done, 0 to 100.
#define WM_INSTALLPROGRESS (0x0400 + 22)

// Rows of the colour picture finished at `percent` of `height` (remainder dropped).
long ProgressRows(long percent, long height);

// One blit: where it lands in the client area and where it comes from in its bitmap.
struct PictureBlit {
    long destX, destY, srcX, srcY, width, height;
};

// The colour picture's top rows and the progress picture's rest, for a picture of width x height
// at origin (x, y). At 100 percent the whole picture is `colour` and `progress` is empty.
struct PictureBlits {
    PictureBlit colour;
    PictureBlit progress;
};
PictureBlits PlanPictureBlits(long percent, long originX, long originY, long width, long height);

// The rows whose colour changes when the progress moves from one percentage to another: the band
// between the two counts of finished rows, across the picture's width. Empty (top == bottom) when
// no row changes.
Box ChangedPictureRows(long fromPercent, long toPercent, long originX, long originY, long width,
                       long height);
