// On a 256-colour display the launcher's picture shows bitmap 108 through its own palette, and
// the progress picture drawn a band at a time looks as it does drawn whole.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/bmp_image.h"
#include "tests/support/driver.h"
#include "tests/support/drives.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/progress_repaint.h"

namespace {
const int kWidth = 427, kHeight = 360;

// The artwork file's bytes, drawn by the test's own window with a palette the test builds.
struct Reference {
    std::string bmp;
    HPALETTE palette = NULL;
};
Reference gReference;

LRESULT CALLBACK ReferenceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    SelectPalette(context, gReference.palette, FALSE);
    RealizePalette(context);
    const BITMAPINFO *info = reinterpret_cast<const BITMAPINFO *>(gReference.bmp.data() + 14);
    const unsigned offBits = *reinterpret_cast<const unsigned *>(gReference.bmp.data() + 10);
    StretchDIBits(context, 0, 0, kWidth, kHeight, 0, 0, kWidth, kHeight,
                  gReference.bmp.data() + offBits, info, DIB_RGB_COLORS, SRCCOPY);
    EndPaint(window, &paint);
    return 0;
}

// What this display makes of bitmap 108 drawn correctly through its palette, read off the screen.
std::vector<unsigned> ReferencePicture() {
    gReference.bmp = ReadWholeFile(ArtworkPath("picture.bmp"));
    if (gReference.bmp.size() < 54 + 236 * 4)
        return {};
    std::vector<char> block(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    LOGPALETTE *logical = reinterpret_cast<LOGPALETTE *>(block.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = 236;
    for (int i = 0; i < 236; ++i) {
        const unsigned char *quad =
            reinterpret_cast<const unsigned char *>(gReference.bmp.data()) + 54 + 4 * i;
        logical->palPalEntry[i] = PALETTEENTRY{quad[2], quad[1], quad[0], PC_NOCOLLAPSE};
    }
    gReference.palette = CreatePalette(logical);
    WNDCLASSA type = {};
    type.lpfnWndProc = ReferenceProc;
    type.hInstance = GetModuleHandleA(NULL);
    type.lpszClassName = "PictureReference";
    RegisterClassA(&type);
    HWND window = CreateWindowA("PictureReference", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                                kHeight, NULL, NULL, type.hInstance, NULL);
    SetForegroundWindow(window);
    for (int i = 0; i < 10; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(50);
    }
    const RECT area = {0, 0, kWidth, kHeight};
    std::vector<unsigned> shown = CapturePixels(area);
    DestroyWindow(window);
    DeleteObject(gReference.palette);
    return shown;
}
} // namespace

TEST(PaletteDisplay, PictureShowsItsColoursOnAPaletteDisplay) {
    HDC screen = GetDC(NULL);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    const bool palettised = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(NULL, screen);
    ASSERT_EQ(8, bits);
    ASSERT_TRUE(palettised);

    RgbImage picture;
    ASSERT_TRUE(ReadPaletteBmp(ArtworkPath("picture.bmp"), &picture)) << ArtworkPath("picture.bmp");
    const std::vector<unsigned> reference = ReferencePicture();
    ASSERT_EQ(size_t(kWidth) * kHeight, reference.size());
    const double referenceOff = MismatchShare(reference, kWidth, picture, 0, kHeight, 8);

    ResetTitleState();
    ASSERT_TRUE(RestoreDiscDrive());
    Process launcher;
    HWND dialog = StartLauncherFromDisc(&launcher);
    ASSERT_NE(nullptr, dialog);
    const std::vector<unsigned> shown = PictureOnScreen(dialog, kWidth, kHeight);
    SaveWindowShot(dialog, "main-8bit.bmp");
    EndProcess(launcher);
    ResetTitleState();

    // A sample of the picture, every 7th pixel of every 5th row, against the reference draw.
    RgbImage expected;
    expected.width = kWidth;
    expected.height = kHeight;
    expected.pixels = reference;
    size_t compared = 0, off = 0;
    for (int y = 0; y < kHeight; y += 5)
        for (int x = 0; x < kWidth; x += 7) {
            ++compared;
            if (ChannelDistance(expected.At(x, y), shown[size_t(y) * kWidth + size_t(x)]) > 8)
                ++off;
        }
    EXPECT_LT(double(off) / double(compared), 0.01) << off << " of " << compared;

    // Where the display can show the palette's own colours, the picture must show them too.
    if (referenceOff < 0.01)
        EXPECT_LT(MismatchShare(shown, kWidth, picture, 0, kHeight, 8), 0.01);
    else
        std::printf("this display shows a correctly drawn palette picture with %.0f%% of its "
                    "pixels off the artwork's colours; compared with that drawing only\n",
                    referenceOff * 100);
}

TEST(PaletteDisplay, ProgressBandsMatchWholeRepaintsOnAPaletteDisplay) {
    ResetTitleState();
    ASSERT_TRUE(RestoreDiscDrive());
    Process launcher;
    HWND dialog = StartLauncherFromDisc(&launcher);
    ASSERT_NE(nullptr, dialog);
    ExpectBandRepaintsMatchWholeRepaints(dialog, kWidth, kHeight, {0, 1, 50, 99, 100, 0, 100});
    EndProcess(launcher);
    ResetTitleState();
}
