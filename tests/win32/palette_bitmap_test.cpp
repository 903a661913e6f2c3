// The launcher's palettised bitmaps loaded from its resources and drawn through their palette.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "launcher/ui/palette_bitmap.h"
#include "tests/support/bmp_image.h"
#include "tests/support/driver.h"

namespace {
// Draws `height` rows of the bitmap at (0, 0) of a 32-bit DIB and returns its pixels.
std::vector<unsigned> Render(HBITMAP bitmap, HPALETTE palette, int width, int height) {
    return DrawnPixels(width, height, [&](HDC target) {
        EXPECT_TRUE(DrawPaletteBitmap(target, bitmap, palette, 0, 0, 0, 0, width, height));
    });
}

class PaletteBitmapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        launcher_ =
            LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, launcher_);
    }
    void TearDown() override { FreeLibrary(launcher_); }
    HMODULE launcher_ = NULL;
};
} // namespace

TEST_F(PaletteBitmapTest, PictureLoadsWithItsPaletteAndSize) {
    HPALETTE palette = NULL;
    LONG width = 0, height = 0;
    HBITMAP picture = LoadPaletteBitmap(launcher_, IDB_PICTURE, &palette, &width, &height);
    ASSERT_NE(nullptr, picture);
    ASSERT_NE(nullptr, palette);
    EXPECT_EQ(427, width);
    EXPECT_EQ(360, height);
    WORD entries = 0;
    GetObjectA(palette, sizeof entries, &entries);
    EXPECT_EQ(236, entries);
    PALETTEENTRY first = {};
    GetPaletteEntries(palette, 0, 1, &first);
    EXPECT_EQ(PC_NOCOLLAPSE, first.peFlags);

    RgbImage expected;
    ASSERT_TRUE(ReadPaletteBmp(ArtworkPath("picture.bmp"), &expected))
        << ArtworkPath("picture.bmp");
    const std::vector<unsigned> drawn = Render(picture, palette, 427, 360);
    EXPECT_LT(MismatchShare(drawn, 427, expected, 0, 360, 8), 0.001);
    DeleteObject(picture);
    DeleteObject(palette);
}

TEST_F(PaletteBitmapTest, ProgressPictureDrawsThroughThePicturesPalette) {
    HPALETTE palette = NULL, own = NULL;
    LONG width = 0, height = 0, w2 = 0, h2 = 0;
    HBITMAP picture = LoadPaletteBitmap(launcher_, IDB_PICTURE, &palette, &width, &height);
    HBITMAP progress = LoadPaletteBitmap(launcher_, IDB_PROGRESS, &own, &w2, &h2);
    ASSERT_NE(nullptr, progress);
    EXPECT_EQ(427, w2);
    EXPECT_EQ(360, h2);
    WORD entries = 0;
    GetObjectA(own, sizeof entries, &entries);
    EXPECT_EQ(2, entries);

    RgbImage expected;
    ASSERT_TRUE(ReadPaletteBmp(ArtworkPath("progress.bmp"), &expected));
    const std::vector<unsigned> drawn = Render(progress, palette, 427, 360);
    EXPECT_LT(MismatchShare(drawn, 427, expected, 0, 360, 8), 0.001);
    for (HGDIOBJ object : {HGDIOBJ(picture), HGDIOBJ(progress), HGDIOBJ(palette), HGDIOBJ(own)})
        DeleteObject(object);
}

TEST_F(PaletteBitmapTest, MissingResourceGivesNoBitmap) {
    HPALETTE palette = reinterpret_cast<HPALETTE>(1);
    LONG width = -1, height = -1;
    EXPECT_EQ(nullptr, LoadPaletteBitmap(launcher_, 9999, &palette, &width, &height));
    EXPECT_EQ(reinterpret_cast<HPALETTE>(1), palette);
    EXPECT_EQ(-1, width);
}
