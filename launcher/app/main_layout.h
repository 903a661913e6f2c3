// The main dialog's layout around the picture, as arithmetic over rectangles and system metrics.
#pragma once

#include "../../common/placement.h"
#include "../core/install_state_rules.h"

// Where one control goes (client coordinates); `move` false leaves it alone.
struct ControlMove {
    bool move;
    long x, y, width, height;
};

// What the layout reads while the dialog still lies at its template place (screen top-left):
// window rectangles in screen coordinates, and the system metrics.
struct MainLayoutFacts {
    Box play;   // control 1
    Box status; // control 1013; all zeros when it does not exist
    Box row;    // the row's left button (RowButtonId)
    Box help;   // control 3000
    Box setup;  // control 1011 (the Setup button at its template place)
    Box dialog;
    bool statusVisible;
    long cxDlgFrame, cyDlgFrame, cyCaption;
};

struct MainLayoutMoves {
    long dialogWidth, dialogHeight; // the dialog goes to (0, 0) with this size
    ControlMove status, play;       // only in the states with the wide Play button
    ControlMove help, row, exit;    // the row of three buttons
};

// The id of the row's left button: Play (1) when there is no wide Play button, Setup otherwise.
int RowButtonId(InstallState state);

// The layout for a picture of width x height in `state`.
MainLayoutMoves PlanMainLayout(long width, long height, InstallState state,
                               const MainLayoutFacts &facts);

// Where the status line goes when a failure must be shown in a layout that has no status line
// under the picture (optional setup): below the picture, as far from it as in the layouts with a
// status line, with the row moved down and the window grown by `shift` so that nothing overlaps.
struct StatusBelowPicture {
    bool needed; // false in the layouts that already have the status line there
    ControlMove status;
    long shift; // how far the row of buttons moves down and the window grows
};
StatusBelowPicture PlanStatusBelowPicture(long height, InstallState state,
                                          const MainLayoutFacts &facts);

// A picture narrower than the button row: what FitNarrowPicture reads (control 1's screen left
// edge with the dialog at (0, 0); client rectangles; the dialog's current size).
struct NarrowFitFacts {
    long playScreenLeft;
    Box play, help, exit; // client coordinates
    long dialogWidth, dialogHeight;
};

struct NarrowFit {
    bool narrow;           // false: origin (0, 0), nothing moved, stretch Play instead
    long originX, originY; // the picture's top-left corner in the client area
    long dialogWidth;      // widened by twice the shortfall
    ControlMove play, help, exit;
};
NarrowFit PlanNarrowFit(long height, const NarrowFitFacts &facts);

// The wide Play button stretched from the Setup button's left edge to the Exit button's right
// edge (client rectangles); no move outside the three states with a wide Play button.
ControlMove PlanPlayStretch(InstallState state, const Box &play, const Box &exit, const Box &setup);
