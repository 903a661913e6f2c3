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
    const Box rect = PictureRect(7, 5, 427, 360);
    EXPECT_EQ(7, rect.left);
    EXPECT_EQ(5, rect.top);
    EXPECT_EQ(434, rect.right);
    EXPECT_EQ(365, rect.bottom);
}
