// Reading a button that shows the system's shield beside its text off the screen.
#include "shield_pixels.h"

#include <functional>
#include <vector>

#include "tests/support/driver.h"

namespace {
// The system's small shield as it looks on a button's face.
std::vector<unsigned> ShieldOnAFace(int size) {
    HICON shield = static_cast<HICON>(
        LoadImageA(NULL, MAKEINTRESOURCEA(32518), IMAGE_ICON, size, size, LR_SHARED));
    return DrawnPixels(size, size, [&](HDC context) {
        RECT all = {0, 0, size, size};
        FillRect(context, &all, GetSysColorBrush(COLOR_BTNFACE));
        DrawIconEx(context, 0, 0, shield, size, size, 0, NULL, DI_NORMAL);
    });
}

bool ShieldAt(const std::vector<unsigned> &shot, int width, const std::vector<unsigned> &shield,
              int size, int x, int y) {
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col)
            if (shot[size_t(y + row) * width + size_t(x + col)] !=
                shield[size_t(row) * size + size_t(col)])
                return false;
    return true;
}
} // namespace

ShieldButtonPixels ReadShieldButton(HWND button) {
    const RECT client = ClientRectOnScreen(button);
    const int width = client.right - client.left, height = client.bottom - client.top;
    const std::vector<unsigned> shot = CaptureSettledPixels(client);
    ShieldButtonPixels read = {false, {0, 0, 0, 0}, width, -1, width};
    const int size = GetSystemMetrics(SM_CXSMICON);
    const std::vector<unsigned> shield = ShieldOnAFace(size);
    for (int y = 0; y + size <= height && !read.shieldFound; ++y)
        for (int x = 0; x + size <= width && !read.shieldFound; ++x)
            if (ShieldAt(shot, width, shield, size, x, y)) {
                read.shieldFound = true;
                read.shield = RECT{x, y, x + size, y + size};
            }
    // Inside the frame (and the default button's black border), outside the shield.
    for (int y = 4; y < height - 4; ++y)
        for (int x = 4; x < width - 4; ++x) {
            const RECT &s = read.shield;
            const bool onShield = x >= s.left && x < s.right && y >= s.top && y < s.bottom;
            if (!onShield && shot[size_t(y) * width + size_t(x)] == 0) {
                read.inkLeft = x < read.inkLeft ? x : read.inkLeft;
                read.inkRight = x > read.inkRight ? x : read.inkRight;
            }
        }
    return read;
}

int InkWidth(HFONT font, const char *text) {
    const int width = 400, height = 40;
    const std::vector<unsigned> pixels = DrawnPixels(width, height, [&](HDC context) {
        RECT all = {0, 0, width, height};
        FillRect(context, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HGDIOBJ old = SelectObject(context, font);
        SetTextColor(context, RGB(0, 0, 0));
        SetBkMode(context, TRANSPARENT);
        DrawTextA(context, text, -1, &all, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectObject(context, old);
    });
    int left = width, right = -1;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == 0) {
            const int x = int(i % width);
            left = x < left ? x : left;
            right = x > right ? x : right;
        }
    return right - left + 1;
}
