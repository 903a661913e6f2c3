// The uninstaller's rights decision (which system, which token, which step refused -> proceed,
// ask once, refuse) and its elevated copy's switch.
#include <gtest/gtest.h>

#include "uninstaller/removal_rights.h"

namespace {
const RightsFacts k95 = {false, false, ElevationKind::Unknown, false, false};
const RightsFacts kXp = {true, false, ElevationKind::Unknown, false, false};
const RightsFacts kVistaFiltered = {true, true, ElevationKind::Limited, false, true};
const RightsFacts kVistaElevated = {true, true, ElevationKind::Full, true, true};
const RightsFacts kVistaStandard = {true, true, ElevationKind::Default, false, true};
const RightsFacts kVistaUacOff = {true, true, ElevationKind::Default, false, false};
const RightsFacts kVistaUnreadToken = {true, true, ElevationKind::Unknown, false, true};

RemovalRightsFacts Refusing(const RightsFacts &system, int step, bool elevatedRun = false) {
    RemovalRightsFacts facts = {};
    facts.system = system;
    facts.elevatedRun = elevatedRun;
    bool *steps[] = {&facts.recordDenied, &facts.entryDenied, &facts.dataFileDenied,
                     &facts.uninstallerDenied, &facts.folderDenied};
    if (step >= 0)
        *steps[step] = true;
    return facts;
}
} // namespace

TEST(RemovalRights, ProceedAskOnceOrRefuse) {
    using D = RightsDecision;
    const struct {
        const char *why;
        RemovalRightsFacts facts;
        D decision;
    } rows[] = {
        {"Windows 95: no rights to have", Refusing(k95, 0), D::Proceed},
        {"XP administrator: nothing refused", Refusing(kXp, -1), D::Proceed},
        {"XP limited user: the record refused", Refusing(kXp, 0), D::Refuse},
        {"Vista administrator, filtered: nothing refused (a user's own folder)",
         Refusing(kVistaFiltered, -1), D::Proceed},
        {"Vista administrator, filtered: the record refused", Refusing(kVistaFiltered, 0),
         D::AskOnce},
        {"Vista administrator, filtered: the entry refused", Refusing(kVistaFiltered, 1),
         D::AskOnce},
        {"Vista administrator, filtered: the data file refused", Refusing(kVistaFiltered, 2),
         D::AskOnce},
        {"Vista administrator, filtered: the uninstaller refused", Refusing(kVistaFiltered, 3),
         D::AskOnce},
        {"Vista administrator, filtered: the folder refused", Refusing(kVistaFiltered, 4),
         D::AskOnce},
        {"Vista standard user: asked for an administrator's password", Refusing(kVistaStandard, 0),
         D::AskOnce},
        {"Vista standard user, User Account Control off", Refusing(kVistaUacOff, 0), D::Refuse},
        {"Vista, token not readable", Refusing(kVistaUnreadToken, 0), D::Refuse},
        {"Vista elevated: asking again would not help", Refusing(kVistaElevated, 0), D::Proceed},
        {"the elevated copy never asks again", Refusing(kVistaFiltered, 0, true), D::Proceed},
        {"the elevated copy, still refused", Refusing(kVistaUacOff, 1, true), D::Proceed},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.decision, DecideRemovalRights(row.facts)) << row.why;
}

TEST(RemovalRights, TheElevatedCopysSwitchIsAWordOfItsOwn) {
    for (const char *tail : {"/elevated", " /elevated", "/elevated ", "x\t/elevated\ty"})
        EXPECT_TRUE(HasElevatedSwitch(tail)) << tail;
    for (const char *tail : {"", "/Elevated", "/elevatedx", "x/elevated", "/elevate", "elevated"})
        EXPECT_FALSE(HasElevatedSwitch(tail)) << tail;
    EXPECT_FALSE(HasElevatedSwitch(nullptr));
}
