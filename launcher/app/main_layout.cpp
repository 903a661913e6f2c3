// The main dialog's layout arithmetic: picture on top, optional status line and wide Play button,
// then a centred row of three equal buttons.
#include "main_layout.h"

#include "../resources/resource_ids.h"

namespace {
long Width(const Box &box) {
    return box.right - box.left;
}
long Height(const Box &box) {
    return box.bottom - box.top;
}
ControlMove MoveTo(long x, long y, long width, long height) {
    return ControlMove{true, x, y, width, height};
}
bool HasWidePlayButton(InstallState state) {
    return state == SetupRequired || state == SetupComplete || state == SetupIncomplete;
}
} // namespace

int RowButtonId(InstallState state) {
    return state == SetupNone || state == SetupOptional ? IDC_PLAY : IDC_SETUP;
}

MainLayoutMoves PlanMainLayout(long width, long height, InstallState state,
                               const MainLayoutFacts &facts) {
    MainLayoutMoves moves = {};
    const long g = facts.dialog.bottom - facts.row.bottom;
    const long half = g / 2;
    const long r = Height(facts.row);

    moves.dialogWidth = width + 2 * facts.cxDlgFrame;
    moves.dialogHeight = facts.cyCaption + 2 * (g + facts.cyDlgFrame) + r + height;

    long rowTop = 0;
    if (state == SetupNone) {
        rowTop = height + g;
    } else if (state == SetupOptional) {
        rowTop = height + half;
    } else {
        // Screen x positions are taken as client x positions, as the dialog lies at (0, 0).
        moves.status =
            MoveTo(facts.status.left, height + half, Width(facts.status), Height(facts.status));
        moves.play = MoveTo(facts.play.left, height + facts.play.top - facts.status.top,
                            Width(facts.play), Height(facts.play));
        rowTop = height + 2 * half + Height(facts.status) + (facts.row.top - facts.play.top);
        moves.dialogHeight += (3 * g) / 2 + r;
        if (facts.statusVisible)
            moves.dialogHeight += Height(facts.status);
    }

    const long w = Width(facts.help);
    const long x = (width - w) / 2;
    moves.help = MoveTo(x, rowTop, w, r);
    moves.row = MoveTo(x - (w + 10), rowTop, w, r);
    moves.exit = MoveTo(x + w + 10, rowTop, w, r);
    return moves;
}

StatusBelowPicture PlanStatusBelowPicture(long height, InstallState state,
                                          const MainLayoutFacts &facts) {
    StatusBelowPicture below = {};
    if (state != SetupOptional)
        return below;
    // The gaps of the layouts with a status line: half the template's gap under the Setup
    // button above it, and the template's distance from its top to Play's top down to the row.
    const long half = (facts.dialog.bottom - facts.setup.bottom) / 2;
    const long statusTop = height + half;
    below.needed = true;
    below.status = MoveTo(facts.status.left, statusTop, Width(facts.status), Height(facts.status));
    const long rowTop = statusTop + (facts.play.top - facts.status.top);
    const long rowTopNow = height + (facts.dialog.bottom - facts.row.bottom) / 2;
    below.shift = rowTop > rowTopNow ? rowTop - rowTopNow : 0;
    return below;
}

NarrowFit PlanNarrowFit(long height, const NarrowFitFacts &facts) {
    NarrowFit fit = {};
    fit.dialogWidth = facts.dialogWidth;
    if (facts.playScreenLeft >= 10)
        return fit;
    const long m = 10 - facts.playScreenLeft;
    fit.narrow = true;
    fit.originX = m;
    fit.dialogWidth = facts.dialogWidth + 2 * m;
    fit.play = MoveTo(facts.play.left + m, facts.play.top, Width(facts.play), Height(facts.play));
    fit.help = MoveTo(facts.help.left + m, facts.help.top, Width(facts.help), Height(facts.help));
    fit.exit = MoveTo(facts.exit.left + m, facts.exit.top, Width(facts.exit), Height(facts.exit));
    const long belowPicture = (facts.exit.top - height) / 2;
    fit.originY = belowPicture < m ? belowPicture : m;
    return fit;
}

ControlMove PlanPlayStretch(InstallState state, const Box &play, const Box &exit,
                            const Box &setup) {
    if (!HasWidePlayButton(state))
        return ControlMove{};
    return MoveTo(setup.left, play.top, exit.right - setup.left, Height(play));
}
