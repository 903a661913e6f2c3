// Arithmetic of the progress picture: which rows come from the colour picture and which from the
// black-and-white one.
#include "main_picture.h"

long ProgressRows(long percent, long height) {
    // A percentage outside 0..100 would make the second blit's height negative.
    if (percent < 0)
        percent = 0;
    if (percent > 100)
        percent = 100;
    return percent * height / 100;
}

PictureBlits PlanPictureBlits(long percent, long originX, long originY, long width, long height) {
    PictureBlits blits = {};
    if (percent == 100) {
        blits.colour = {originX, originY, 0, 0, width, height};
        return blits;
    }
    const long k = ProgressRows(percent, height);
    blits.colour = {originX, originY, 0, 0, width, k};
    blits.progress = {originX, originY + k, 0, k, width, height - k};
    return blits;
}

Box ChangedPictureRows(long fromPercent, long toPercent, long originX, long originY, long width,
                       long height) {
    const long from = ProgressRows(fromPercent, height), to = ProgressRows(toPercent, height);
    const long top = from < to ? from : to, bottom = from < to ? to : from;
    return Box{originX, originY + top, originX + width, originY + bottom};
}
