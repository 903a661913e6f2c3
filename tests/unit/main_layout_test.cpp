// The main dialog's layout in every installation state, for this build's picture and a narrow one.
#include <gtest/gtest.h>

#include "launcher/app/main_layout.h"

namespace {
// Template controls in pixels (dialog base units 6 x 13), window rectangles on the screen while
// the dialog lies at (0, 0) with a 3-pixel frame and an 18-pixel caption: client origin (3, 21).
const long kFrame = 3, kCaption = 18;
const Box kPlay = {68, 232, 347, 255};
const Box kStatus = {11, 205, 401, 220};
const Box kSetup = {69, 263, 144, 286};
const Box kHelp = {168, 265, 248, 286};
const Box kExit = {272, 263, 347, 286};
const Box kDialog = {0, 0, 417, 299};

MainLayoutFacts FactsFor(InstallState state) {
    MainLayoutFacts facts = {};
    facts.play = state == SetupNone ? kSetup : kPlay; // ids swapped: control 1 is the small button
    facts.status = kStatus;
    facts.row = RowButtonId(state) == 1 ? facts.play : kSetup;
    facts.help = kHelp;
    facts.setup = kSetup;
    facts.dialog = kDialog;
    facts.statusVisible = false;
    facts.cxDlgFrame = kFrame;
    facts.cyDlgFrame = kFrame;
    facts.cyCaption = kCaption;
    return facts;
}

Box ClientBox(const ControlMove &move) {
    return Box{move.x, move.y, move.x + move.width, move.y + move.height};
}

void ExpectMove(const ControlMove &move, long x, long y, long w, long h, const char *what) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(move.move);
    EXPECT_EQ(x, move.x);
    EXPECT_EQ(y, move.y);
    EXPECT_EQ(w, move.width);
    EXPECT_EQ(h, move.height);
}
} // namespace

TEST(MainDialogLayout, RowButtonFollowsTheState) {
    EXPECT_EQ(1, RowButtonId(SetupNone));
    EXPECT_EQ(1, RowButtonId(SetupOptional));
    EXPECT_EQ(1011, RowButtonId(SetupRequired));
    EXPECT_EQ(1011, RowButtonId(SetupComplete));
    EXPECT_EQ(1011, RowButtonId(SetupIncomplete));
}

// Required, Complete and Incomplete share one layout: status line, wide Play, then the row.
TEST(MainDialogLayout, StatesWithTheWidePlayButton) {
    for (InstallState state : {SetupRequired, SetupComplete, SetupIncomplete}) {
        SCOPED_TRACE(int(state));
        const MainLayoutMoves moves = PlanMainLayout(427, 360, state, FactsFor(state));
        // g = 299 - 286 = 13, half 6, r = 23
        EXPECT_EQ(433, moves.dialogWidth);
        EXPECT_EQ(18 + 2 * (13 + 3) + 23 + 360 + 19 + 23, moves.dialogHeight);
        ExpectMove(moves.status, 11, 366, 390, 15, "status");
        ExpectMove(moves.play, 68, 360 + 232 - 205, 279, 23, "play");
        const long rowTop = 360 + 12 + 15 + (263 - 232);
        ExpectMove(moves.help, 173, rowTop, 80, 23, "help");
        ExpectMove(moves.row, 83, rowTop, 80, 23, "setup");
        ExpectMove(moves.exit, 263, rowTop, 80, 23, "exit");

        // Play starts 71 pixels from the window's edge: no widening, Play spans the row.
        NarrowFitFacts narrow = {};
        narrow.playScreenLeft = moves.play.x + kFrame;
        narrow.play = ClientBox(moves.play);
        narrow.help = ClientBox(moves.help);
        narrow.exit = ClientBox(moves.exit);
        narrow.dialogWidth = moves.dialogWidth;
        narrow.dialogHeight = moves.dialogHeight;
        const NarrowFit fit = PlanNarrowFit(360, narrow);
        EXPECT_FALSE(fit.narrow);
        EXPECT_EQ(0, fit.originX);
        EXPECT_EQ(0, fit.originY);
        EXPECT_EQ(433, fit.dialogWidth);
        const ControlMove stretch = PlanPlayStretch(state, ClientBox(moves.play),
                                                    ClientBox(moves.exit), ClientBox(moves.row));
        ExpectMove(stretch, 83, 387, 343 - 83, 23, "stretched play");
    }
}

TEST(MainDialogLayout, StatusHeightCountsOnlyWhenVisible) {
    MainLayoutFacts facts = FactsFor(SetupRequired);
    facts.statusVisible = true;
    EXPECT_EQ(475 + 15, PlanMainLayout(427, 360, SetupRequired, facts).dialogHeight);
}

TEST(MainDialogLayout, NoSetupPutsPlayInTheRow) {
    const MainLayoutMoves moves = PlanMainLayout(427, 360, SetupNone, FactsFor(SetupNone));
    EXPECT_EQ(433, moves.dialogWidth);
    EXPECT_EQ(18 + 2 * (13 + 3) + 23 + 360, moves.dialogHeight);
    EXPECT_FALSE(moves.status.move);
    EXPECT_FALSE(moves.play.move); // the hidden former Play button stays where it is
    ExpectMove(moves.row, 83, 373, 80, 23, "play in the row");
    ExpectMove(moves.help, 173, 373, 80, 23, "help");
    ExpectMove(moves.exit, 263, 373, 80, 23, "exit");
    EXPECT_FALSE(PlanPlayStretch(SetupNone, kPlay, kExit, kSetup).move);
}

TEST(MainDialogLayout, OptionalSetupLeavesSetupAtItsTemplatePlace) {
    const MainLayoutMoves moves = PlanMainLayout(427, 360, SetupOptional, FactsFor(SetupOptional));
    // The row button is the wide Play button: g = 299 - 255 = 44, half 22.
    EXPECT_EQ(18 + 2 * (44 + 3) + 23 + 360, moves.dialogHeight);
    EXPECT_FALSE(moves.status.move);
    EXPECT_FALSE(moves.play.move);
    ExpectMove(moves.row, 83, 382, 80, 23, "play in the row");
    ExpectMove(moves.help, 173, 382, 80, 23, "help");
    ExpectMove(moves.exit, 263, 382, 80, 23, "exit");
    EXPECT_FALSE(PlanPlayStretch(SetupOptional, kPlay, kExit, kSetup).move);
}

// An install failure in the optional-setup layout: the status line goes below the picture (6
// pixels, half the gap under the Setup button), the row moves down to the status line's distance
// from Play (27 pixels) and the window grows by as much; the other layouts have it there already.
TEST(MainDialogLayout, FailureTextBelowThePictureInTheOptionalLayout) {
    const StatusBelowPicture below =
        PlanStatusBelowPicture(360, SetupOptional, FactsFor(SetupOptional));
    EXPECT_TRUE(below.needed);
    ExpectMove(below.status, 11, 366, 390, 15, "status");
    const MainLayoutMoves moves = PlanMainLayout(427, 360, SetupOptional, FactsFor(SetupOptional));
    EXPECT_EQ(366 + 27 - moves.row.y, below.shift); // the row was at 382: 11 pixels down
    EXPECT_GE(moves.row.y + below.shift, 366 + 15); // below the status line, not over it
    for (InstallState state : {SetupNone, SetupRequired, SetupComplete, SetupIncomplete})
        EXPECT_FALSE(PlanStatusBelowPicture(360, state, FactsFor(state)).needed) << int(state);
}

// A picture narrower than the row: the dialog widens by twice the shortfall and the picture and
// the three row buttons move right by it.
TEST(MainDialogLayout, NarrowPictureWidensTheDialog) {
    for (InstallState state : {SetupNone, SetupOptional}) {
        SCOPED_TRACE(int(state));
        const MainLayoutMoves moves = PlanMainLayout(100, 80, state, FactsFor(state));
        ASSERT_EQ(-80, moves.row.x); // x = (100 - 80) / 2 = 10, row button 90 further left
        NarrowFitFacts narrow = {};
        narrow.playScreenLeft = moves.row.x + kFrame; // control 1 is the row button here
        narrow.play = ClientBox(moves.row);
        narrow.help = ClientBox(moves.help);
        narrow.exit = ClientBox(moves.exit);
        narrow.dialogWidth = moves.dialogWidth;
        narrow.dialogHeight = moves.dialogHeight;
        const NarrowFit fit = PlanNarrowFit(80, narrow);
        EXPECT_TRUE(fit.narrow);
        EXPECT_EQ(87, fit.originX); // m = 10 - (-77)
        EXPECT_EQ(106 + 2 * 87, fit.dialogWidth);
        ExpectMove(fit.play, 7, moves.row.y, 80, 23, "play");
        ExpectMove(fit.help, 97, moves.help.y, 80, 23, "help");
        ExpectMove(fit.exit, 187, moves.exit.y, 80, 23, "exit");
        EXPECT_EQ((moves.exit.y - 80) / 2, fit.originY); // smaller than m
    }
}

TEST(MainDialogLayout, NarrowOriginYIsCappedByTheShortfall) {
    NarrowFitFacts narrow = {};
    narrow.playScreenLeft = 8; // m = 2
    narrow.exit = Box{100, 200, 180, 223};
    narrow.dialogWidth = 300;
    const NarrowFit fit = PlanNarrowFit(80, narrow);
    EXPECT_EQ(2, fit.originX);
    EXPECT_EQ(2, fit.originY); // (200 - 80) / 2 = 60 is larger
    EXPECT_EQ(304, fit.dialogWidth);

    narrow.playScreenLeft = 10; // exactly 10: not narrow
    EXPECT_FALSE(PlanNarrowFit(80, narrow).narrow);
}
