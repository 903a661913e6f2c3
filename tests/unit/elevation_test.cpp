// Setup's rights: proceed, ask once or refuse for each system and token; the elevated launcher's
// command line and exit code; the shield beside the button's text.
#include <gtest/gtest.h>

#include "launcher/app/elevation.h"
#include "launcher/app/install_status.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/shield_layout.h"

#include <string>

TEST(SetupRights, DecisionForEachSystemAndToken) {
    const struct {
        const char *what;
        RightsFacts facts; // family, Vista on, token type, elevated, UAC on
        RightsForSetup decision;
    } rows[] = {
        {"95 to ME", {false, false, ElevationKind::Unknown, false, false}, SetupProceeds},
        {"NT 4 to XP", {true, false, ElevationKind::Unknown, false, false}, SetupProceeds},
        {"administrator from autoplay",
         {true, true, ElevationKind::Limited, false, true},
         SetupAsksOnce},
        {"administrator, elevated", {true, true, ElevationKind::Full, true, true}, SetupProceeds},
        {"standard user, UAC on", {true, true, ElevationKind::Default, false, true}, SetupAsksOnce},
        {"standard user, UAC off",
         {true, true, ElevationKind::Default, false, false},
         SetupRefused},
        {"administrator, UAC off",
         {true, true, ElevationKind::Default, true, false},
         SetupProceeds},
        {"token unread, UAC on", {true, true, ElevationKind::Unknown, false, true}, SetupProceeds},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.decision, DecideSetupRights(row.facts)) << row.what;
    // A network drive is mapped in the user's session only; an unknown root cannot be checked.
    for (unsigned type : {2u, 3u, 5u, 6u})
        EXPECT_TRUE(SeenByElevatedLauncher(type)) << type;
    for (unsigned type : {0u, 1u, 4u})
        EXPECT_FALSE(SeenByElevatedLauncher(type)) << type;
}

// Only exactly the line the launcher builds is taken; anything else reads as nothing at all.
TEST(ElevatedCommandLine, OnlyTheExactFormIsTaken) {
    char line[300];
    const std::string longest = "C:\\" + std::string(252, 'A');
    ASSERT_TRUE(BuildElevatedArguments(longest.c_str(), UINT64_MAX, line, sizeof line));
    const std::string built = line;
    EXPECT_FALSE(BuildElevatedArguments("C:\\A\"B", 1, line, sizeof line)); // a quote
    EXPECT_FALSE(BuildElevatedArguments("C:\\TWL", 1, line, 20));           // does not fit
    EXPECT_STREQ("", line);
    const struct {
        std::string line;
        const char *folder;
    } rows[] = {
        {built, nullptr}, // taken: the longest folder and the largest handle
        {"  /elevated-install  \"C:\\TWL\"   17  ", "C:\\TWL"},
        {"/elevated-install \"C:\\TWL\" 17 extra", ""},
        {"/elevated-install \"C:\\TWL\"", ""},
        {"/elevated-install \"C:\\TWL\"17", ""},
        {"/elevated-install C:\\TWL 17", ""},
        {"/elevated-install \"\" 17", ""},
        {"/elevated-install \"C:\\TWL\" 18446744073709551616", ""}, // past 64 bits
        {"/elevated-install \"C:\\" + std::string(253, 'A') + "\" 1", ""},
        {"/ELEVATED-INSTALL \"C:\\TWL\" 17", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        ElevatedRequest request;
        const bool taken = ParseElevatedArguments(row.line.c_str(), &request);
        EXPECT_EQ(row.folder == nullptr || row.folder[0] != '\0', taken);
        EXPECT_EQ(row.folder == nullptr ? longest : row.folder, request.folder);
    }
    EXPECT_TRUE(IsElevatedRequest("/elevated-install"));
    EXPECT_FALSE(IsElevatedRequest("/elevated-installer"));
}

// Every outcome comes back as it was; a code that is none of ours (the process was ended, a crash)
// is a failure, never "installed"; and what the status line then says.
TEST(ElevatedExitCode, CarriesTheOutcome) {
    const InstallOutcome outcomes[] = {
        {true, InstallAccepted, kInstallSteps, false},
        {false, RefusedFolder, kInstallSteps, false},
        {false, RefusedEarlierValues, kInstallSteps, false},
        {false, InstallAccepted, StepDataCopy, false},
        {false, InstallAccepted, StepRecord, true}, // refused for want of access: its own text
    };
    for (const InstallOutcome &sent : outcomes) {
        const InstallOutcome read = OutcomeOfElevatedExit(ElevatedExitCode(sent));
        EXPECT_EQ(sent.installed, read.installed);
        EXPECT_EQ(sent.refusal, read.refusal);
        EXPECT_EQ(sent.failedStep, read.failedStep);
        EXPECT_EQ(sent.accessDenied, read.accessDenied);
    }
    for (uint32_t code : {0u, 1u, 0xC0000005u, kElevatedBadRequest,
                          ElevatedExitCode({false, RefusedNoTitle, kInstallSteps, false})}) {
        const InstallOutcome read = OutcomeOfElevatedExit(code);
        EXPECT_FALSE(read.installed) << code;
        EXPECT_EQ(LANG_INSTALL_FAILED, InstallStatusText(read, HandOffRan, true)) << code;
    }
    const InstallOutcome none = {false, InstallAccepted, kInstallSteps, false};
    EXPECT_EQ(LANG_ELEVATION_DECLINED, InstallStatusText(none, HandOffDeclined, true));
    EXPECT_EQ(LANG_READY, InstallStatusText(outcomes[0], HandOffRan, true));
    EXPECT_EQ(LANG_INSTALL_DENIED, InstallStatusText(outcomes[4], HandOffRan, true));
}

// The shield and the text side by side on the face, never over each other: the English Setup
// button (75 pixels, "Setup") and the German one (90, "Installieren"), plain and pushed.
TEST(ShieldButton, IconBesideTheTextOnTheFace) {
    for (long width : {75L, 90L, 60L})
        for (bool pushed : {false, true}) {
            const long text = width == 75 ? 29 : 58;
            const ShieldButtonLayout layout =
                PlanShieldButton(ShieldButtonFacts{width, 23, 3, 16, 4, text, 13, pushed});
            SCOPED_TRACE(std::to_string(width) + (pushed ? " pushed" : ""));
            const long shift = pushed ? 1 : 0, both = 16 + 4 + text;
            EXPECT_GE(layout.text.left, layout.icon.right + 4);
            EXPECT_EQ(text, layout.text.right - layout.text.left);
            EXPECT_EQ(3 + shift, layout.icon.top);
            // Centred together on the face when they fit it, else from its left edge.
            const long left = both <= width - 6 ? 3 + (width - 6 - both) / 2 : 3;
            EXPECT_EQ(left + shift, layout.icon.left);
        }
}
