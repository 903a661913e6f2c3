// What the user is told when a removal stops short: which text of the language block, and the path
// it names.
#pragma once
#include "removal_plan.h"

struct RemovalNotice {
    unsigned offset;  // the language string's offset; 0: nothing to tell
    const char *path; // for its "%P": the uninstaller that stays (empty when the text has none)
};

// A step that stopped the removal names what stays and why; a removal that went whole but leaves
// an uninstaller behind (its batch could not be made, or the installation's own one stayed)
// names that file.
RemovalNotice NoticeFor(const RemovalPlan &plan, const RemovalOutcome &outcome);
