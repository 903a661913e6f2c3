// Where a window goes when it is centred over another one inside the work area.
#include "placement.h"

namespace {
// Left/top bound first, so a window whose centred place lies before the area meets its near
// edge. A window larger than the area always meets its near edge: meeting the far edge would put
// its caption (or its left side with the window menu) off the screen, out of the user's reach.
long Clamp(long pos, long size, long areaStart, long areaSize) {
    if (pos < areaStart || size > areaSize)
        return areaStart;
    if (pos + size > areaStart + areaSize)
        return areaStart + areaSize - size;
    return pos;
}
} // namespace

Spot CenteredSpot(const Box &window, const Box &over, const Box &workArea, long screenWidth,
                  long screenHeight) {
    const long w = window.right - window.left, h = window.bottom - window.top;
    const long ow = over.right - over.left, oh = over.bottom - over.top;
    long al = workArea.left, at = workArea.top;
    long aw = workArea.right - workArea.left, ah = workArea.bottom - workArea.top;
    if (aw == 0 && ah == 0) {
        al = 0;
        at = 0;
        aw = screenWidth;
        ah = screenHeight;
    }
    Spot spot;
    spot.x = Clamp(over.left + (ow - w) / 2, w, al, aw);
    spot.y = Clamp(over.top + (oh - h) / 2, h, at, ah);
    return spot;
}
