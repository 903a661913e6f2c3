// Rows of the progress picture and the two blits that join colour and black-and-white pictures.
#include <gtest/gtest.h>

#include "launcher/ui/main_picture.h"

TEST(ProgressPictureRows, PercentagesOfThePictureHeight) {
    EXPECT_EQ(0, ProgressRows(0, 360));
    EXPECT_EQ(3, ProgressRows(1, 360));
    EXPECT_EQ(180, ProgressRows(50, 360));
    EXPECT_EQ(356, ProgressRows(99, 360));
    EXPECT_EQ(360, ProgressRows(100, 360));
    // Out-of-range percentages stay inside the picture.
    EXPECT_EQ(360, ProgressRows(250, 360));
    EXPECT_EQ(0, ProgressRows(-5, 360));
}

TEST(ProgressPictureRows, HalfwayBlitsMeetAtTheSameRow) {
    const PictureBlits blits = PlanPictureBlits(50, 0, 0, 427, 360);
    EXPECT_EQ(0, blits.colour.destY);
    EXPECT_EQ(0, blits.colour.srcY);
    EXPECT_EQ(180, blits.colour.height);
    EXPECT_EQ(427, blits.colour.width);
    EXPECT_EQ(180, blits.progress.destY); // rows 180..359 from the progress picture, in register
    EXPECT_EQ(180, blits.progress.srcY);
    EXPECT_EQ(180, blits.progress.height);
}

TEST(ProgressPictureRows, EndsAndOrigin) {
    PictureBlits blits = PlanPictureBlits(0, 0, 0, 427, 360);
    EXPECT_EQ(0, blits.colour.height);
    EXPECT_EQ(360, blits.progress.height);
    EXPECT_EQ(0, blits.progress.srcY);

    blits = PlanPictureBlits(100, 7, 5, 427, 360);
    EXPECT_EQ(360, blits.colour.height);
    EXPECT_EQ(0, blits.progress.height); // the progress picture is not drawn at all
    EXPECT_EQ(7, blits.colour.destX);

    // A margin moves both parts and the invalidated rectangle alike.
    blits = PlanPictureBlits(1, 7, 5, 427, 360);
    EXPECT_EQ(7, blits.colour.destX);
    EXPECT_EQ(5, blits.colour.destY);
    EXPECT_EQ(7, blits.progress.destX);
    EXPECT_EQ(8, blits.progress.destY);
    EXPECT_EQ(3, blits.progress.srcY);
    const Box rect = ChangedPictureRows(100, 0, 7, 5, 427, 360); // an install starts: all of it
    EXPECT_EQ(7, rect.left);
    EXPECT_EQ(5, rect.top);
    EXPECT_EQ(434, rect.right);
    EXPECT_EQ(365, rect.bottom);
}

// A new percentage redraws only the rows between the old and the new count of finished rows.
TEST(ProgressPictureRows, ChangedRowsLieBetweenTheOldAndNewPercentage) {
    const struct {
        long from, to, top, bottom;
    } rows[] = {
        {100, 0, 0, 360},     // an install starts, and a second one starts again from 0
        {0, 1, 0, 3},         // the first finished rows
        {1, 2, 3, 7},         // 3.6 rows a percent, remainder dropped
        {37, 50, 133, 180},   // a larger step
        {99, 100, 356, 360},  // the last rows at the end
        {60, 20, 72, 216},    // a percentage that falls redraws the same band
        {40, 40, 144, 144},   // an unchanged percentage: no row
        {0, -5, 0, 0},        // out of range: clamped as the paint clamps it
        {250, 100, 360, 360}, // the same: the whole picture in colour either way
        {50, 150, 180, 360},  // from the middle past the end
    };
    for (const auto &row : rows) {
        const Box band = ChangedPictureRows(row.from, row.to, 7, 5, 427, 360);
        EXPECT_EQ(row.top + 5, band.top) << row.from << " -> " << row.to;
        EXPECT_EQ(row.bottom + 5, band.bottom) << row.from << " -> " << row.to;
        EXPECT_EQ(7, band.left);
        EXPECT_EQ(434, band.right);
    }
}
