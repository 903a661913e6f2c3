// Centring a window over another inside the work area.
#include <gtest/gtest.h>

#include "common/placement.h"

namespace {
const Box kScreen = {0, 0, 1024, 768};
Box Sized(long w, long h) {
    return Box{0, 0, w, h};
}
} // namespace

TEST(CenteredSpot, OverTheDesktopWithTheTaskbarAtTheBottom) {
    Box work = {0, 0, 1024, 740};
    Spot spot = CenteredSpot(Sized(400, 300), kScreen, work, 1024, 768);
    EXPECT_EQ(312, spot.x);
    EXPECT_EQ(234, spot.y); // centred over the screen, not the work area: it still fits
    spot = CenteredSpot(Sized(400, 740), kScreen, work, 1024, 768);
    EXPECT_EQ(0, spot.y); // (768-740)/2 = 14 would pass the work area's bottom
    spot = CenteredSpot(Sized(400, 730), kScreen, work, 1024, 768);
    EXPECT_EQ(10, spot.y); // moved up to meet the bottom edge
}

TEST(CenteredSpot, TaskbarOnTheLeftDoesNotShiftAWindowInside) {
    Box work = {60, 0, 1024, 768};
    Spot spot = CenteredSpot(Sized(400, 300), kScreen, work, 1024, 768);
    EXPECT_EQ(312, spot.x);
}

TEST(CenteredSpot, SmallOwnerNearTheLeftEdgePushesRight) {
    Box work = {40, 0, 1024, 768};
    Box owner = {0, 100, 100, 200};
    Spot spot = CenteredSpot(Sized(300, 200), owner, work, 1024, 768);
    EXPECT_EQ(40, spot.x);
    EXPECT_EQ(50, spot.y);
}

TEST(CenteredSpot, WiderThanTheWorkAreaMeetsItsLeftEdge) {
    Box work = {30, 0, 1024, 768};
    Spot spot = CenteredSpot(Sized(1100, 300), kScreen, work, 1024, 768);
    EXPECT_EQ(30, spot.x);
}

TEST(CenteredSpot, NoWorkAreaMeansTheWholeScreen) {
    Box none = {0, 0, 0, 0};
    Spot spot = CenteredSpot(Sized(1000, 300), Box{900, 0, 1000, 100}, none, 1024, 768);
    EXPECT_EQ(24, spot.x); // 900 + (100-1000)/2 = 450, right edge 1450 > 1024
    EXPECT_EQ(0, spot.y);  // -100 clamped to the top
    Spot odd = CenteredSpot(Sized(5, 5), Box{0, 0, 10, 10}, none, 1024, 768);
    EXPECT_EQ(2, odd.x); // signed halving drops the remainder
}

// A window larger than the work area keeps its caption and left side on the screen: at 640 x 480
// with a 28-pixel taskbar the main window (476 pixels tall, 496 in the optional-setup layout) would
// otherwise meet the bottom edge with its caption above the screen.
TEST(CenteredSpot, LargerThanTheWorkAreaMeetsItsNearEdge) {
    const Box screen = {0, 0, 640, 480};
    const struct {
        const char *what;
        Box work;
        long w, h;
        long x, y;
    } rows[] = {
        {"main window, taskbar at the bottom", {0, 0, 640, 452}, 437, 476, 101, 0},
        {"optional-setup layout after a failure", {0, 0, 640, 452}, 437, 496, 101, 0},
        {"taskbar at the top", {0, 28, 640, 480}, 437, 476, 101, 28},
        {"exactly the area's height meets the far edge as before",
         {0, 0, 640, 452},
         437,
         452,
         101,
         0},
        {"one pixel shorter: moved up to the far edge", {0, 0, 640, 452}, 437, 451, 101, 1},
        {"wider than an area narrowed by a taskbar on the right",
         {0, 0, 600, 480},
         620,
         300,
         0,
         90},
        {"wider, taskbar on the left", {40, 0, 640, 480}, 620, 300, 40, 90},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const Spot spot = CenteredSpot(Sized(row.w, row.h), screen, row.work, 640, 480);
        EXPECT_EQ(row.x, spot.x);
        EXPECT_EQ(row.y, spot.y);
    }
}
