// Where a window goes when it is centred over another one inside the work area.
#pragma once

struct Box {
    long left, top, right, bottom;
};

struct Spot {
    long x, y;
};

// The top-left corner for `window` centred over `over`, kept inside the work area. An empty work
// area (the system gave none) stands for the whole screen of screenWidth x screenHeight.
Spot CenteredSpot(const Box &window, const Box &over, const Box &workArea, long screenWidth,
                  long screenHeight);
