// The launcher's progress picture repainted a band at a time, checked against whole repaints.
#include "progress_repaint.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "launcher/ui/main_picture.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"

namespace {
using Screen = std::vector<unsigned>;

// Rows of the colour picture finished at a percentage, out-of-range ones clamped.
int FinishedRows(int percent, int height) {
    return std::min(std::max(percent, 0), 100) * height / 100;
}

bool SameRow(const Screen &a, const Screen &b, int width, int row) {
    const auto start = size_t(row) * size_t(width);
    return std::equal(a.begin() + start, a.begin() + start + width, b.begin() + start);
}

// Paints rows [top, bottom) of the picture over from outside, so that a repaint of any shows.
void Mark(HWND dialog, int width, int top, int bottom) {
    if (bottom <= top)
        return;
    HDC context = GetDC(dialog);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
    const RECT rows = {0, top, width, bottom};
    FillRect(context, &rows, brush);
    GdiFlush();
    DeleteObject(brush);
    ReleaseDC(dialog, context);
}

// What the picture looks like when the whole of it is invalidated and painted.
Screen WholeRepaint(HWND dialog, int width, int height) {
    const RECT picture = {0, 0, width, height};
    RedrawWindow(dialog, &picture, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return PictureOnScreen(dialog, width, height);
}

// Counts the rows for which `bad` holds and names the first, for one message per kind of fault.
template <typename Bad> std::string BadRows(int from, int to, Bad bad) {
    int count = 0, first = -1;
    for (int row = from; row < to; ++row)
        if (bad(row) && count++ == 0)
            first = row;
    return count == 0 ? "" : std::to_string(count) + " rows, the first " + std::to_string(first);
}
} // namespace

void ExpectBandRepaintsMatchWholeRepaints(HWND dialog, int width, int height,
                                          const std::vector<int> &run) {
    // First as a user sees it; then again with the rows outside each band marked beforehand.
    for (bool marking : {false, true}) {
        SendMessageA(dialog, WM_INSTALLPROGRESS, 100, 0);
        Screen before = WholeRepaint(dialog, width, height);
        int previous = 100;
        for (int percent : run) {
            SCOPED_TRACE(std::string(marking ? "marked, " : "") + std::to_string(previous) +
                         " -> " + std::to_string(percent));
            const int was = FinishedRows(previous, height), now = FinishedRows(percent, height);
            const int top = std::min(was, now), bottom = std::max(was, now);
            if (marking) {
                Mark(dialog, width, 0, top);
                Mark(dialog, width, bottom, height);
            }
            const Screen marked = marking ? PictureOnScreen(dialog, width, height) : before;
            SendMessageA(dialog, WM_INSTALLPROGRESS, WPARAM(percent), 0);
            const Screen shown = PictureOnScreen(dialog, width, height);
            const Screen whole = WholeRepaint(dialog, width, height);
            ASSERT_EQ(size_t(width) * size_t(height), whole.size());
            auto differ = [&](const Screen &x, const Screen &y) {
                return [a = &x, b = &y, width](int r) { return !SameRow(*a, *b, width, r); };
            };
            auto alike = [&](const Screen &x, const Screen &y) {
                return [a = &x, b = &y, width](int r) { return SameRow(*a, *b, width, r); };
            };
            auto outside = [&](auto bad) {
                const std::string above = BadRows(0, top, bad),
                                  below = BadRows(bottom, height, bad);
                return above.empty() || below.empty() ? above + below : above + "; " + below;
            };

            // Every row of the band really changes, so a band that left one out would show.
            EXPECT_EQ("", BadRows(top, bottom, alike(before, whole)))
                << "band rows that a whole repaint does not change";
            if (!marking) {
                EXPECT_EQ("", BadRows(0, height, differ(shown, whole)))
                    << "rows not as a whole repaint of this percentage draws them";
            } else {
                EXPECT_EQ("", BadRows(top, bottom, differ(shown, whole)))
                    << "band rows not drawn again as a whole repaint draws them";
                EXPECT_EQ("", outside(differ(shown, marked)))
                    << "rows outside the band drawn again";
                EXPECT_EQ("", outside(alike(marked, whole)))
                    << "rows where the mark looks like the picture (a repaint would not show)";
            }
            before = whole;
            previous = percent;
        }
    }
}
