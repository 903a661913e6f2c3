// Setup's rights: proceed, ask once or refuse for each system and token; the elevated launcher's
// command line and exit code; the status texts of a hand-off; the shield beside the button's text.
#include <gtest/gtest.h>

#include "launcher/app/elevation.h"
#include "launcher/app/install_status.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/shield_layout.h"

#include <cstdlib>
#include <string>

namespace {
const unsigned kDriveUnknown = 0, kDriveNoRoot = 1, kDriveRemovable = 2, kDriveFixed = 3,
               kDriveRemote = 4, kDriveCdRom = 5, kDriveRamDisk = 6;
} // namespace

TEST(SetupRights, DecisionForEachSystemAndToken) {
    const struct {
        const char *what;
        RightsFacts facts;
        RightsDecision decision;
    } rows[] = {
        {"Windows 95 to ME", {false, false, false, TokenKindUnknown, false}, RightsProceed},
        {"NT 4 to XP (the token knows no elevation)",
         {true, false, false, TokenKindUnknown, false},
         RightsProceed},
        {"administrator, split token, not elevated (autoplay)",
         {true, true, false, TokenKindLimited, true},
         RightsAsk},
        {"administrator started elevated", {true, true, true, TokenKindFull, true}, RightsProceed},
        {"standard user, UAC on: the credentials prompt",
         {true, true, false, TokenKindDefault, true},
         RightsAsk},
        {"standard user, UAC off: nothing can elevate",
         {true, true, false, TokenKindDefault, false},
         RightsRefuse},
        {"administrator while UAC is off (one full token)",
         {true, true, true, TokenKindDefault, false},
         RightsProceed},
        {"the built-in Administrator", {true, true, true, TokenKindDefault, true}, RightsProceed},
        {"a type the system did not report",
         {true, true, false, TokenKindUnknown, true},
         RightsProceed},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.decision, DecideRights(row.facts)) << row.what;
}

TEST(SetupRights, FoldersAnElevatedLauncherSees) {
    for (unsigned type : {kDriveFixed, kDriveRemovable, kDriveRamDisk, kDriveCdRom})
        EXPECT_TRUE(SeenByElevatedLauncher(type)) << type;
    // A network drive is mapped in the user's session only; an unknown root cannot be checked.
    for (unsigned type : {kDriveRemote, kDriveNoRoot, kDriveUnknown, 7u})
        EXPECT_FALSE(SeenByElevatedLauncher(type)) << type;
}

TEST(ElevatedCommandLine, BuiltAndReadBack) {
    char line[300];
    ASSERT_TRUE(BuildElevatedArguments("C:\\TWL\\BRINDMOR", 1442876, line, sizeof line));
    EXPECT_STREQ("/elevated-install \"C:\\TWL\\BRINDMOR\" 1442876", line);
    ElevatedRequest request;
    ASSERT_TRUE(ParseElevatedArguments(line, &request));
    EXPECT_STREQ("C:\\TWL\\BRINDMOR", request.folder);
    EXPECT_EQ(1442876u, request.window);

    // The longest folder the install takes fits; a quote or a control character has no line.
    const std::string longest = "C:\\" + std::string(252, 'A');
    ASSERT_TRUE(BuildElevatedArguments(longest.c_str(), UINT64_MAX, line, sizeof line));
    ASSERT_TRUE(ParseElevatedArguments(line, &request));
    EXPECT_EQ(longest, request.folder);
    EXPECT_EQ(UINT64_MAX, request.window);
    EXPECT_FALSE(BuildElevatedArguments("C:\\A\"B", 1, line, sizeof line));
    EXPECT_FALSE(BuildElevatedArguments("C:\\A\tB", 1, line, sizeof line));
    EXPECT_FALSE(BuildElevatedArguments("", 1, line, sizeof line));
    EXPECT_FALSE(BuildElevatedArguments("C:\\TWL", 1, line, 20)); // does not fit
    EXPECT_STREQ("", line);
}

TEST(ElevatedCommandLine, OnlyTheExactFormIsTaken) {
    const struct {
        const char *line;
        bool request, taken;
    } rows[] = {
        {"  /elevated-install  \"C:\\TWL\"   17  ", true, true},
        {"/elevated-install \"C:\\TWL\" 17 extra", true, false},
        {"/elevated-install \"C:\\TWL\"", true, false},
        {"/elevated-install \"C:\\TWL\" x17", true, false},
        {"/elevated-install \"C:\\TWL\"17", true, false},
        {"/elevated-install C:\\TWL 17", true, false},
        {"/elevated-install \"C:\\TWL 17", true, false},
        {"/elevated-install \"\" 17", true, false},
        {"/elevated-install \"C:\\TWL\" 18446744073709551616", true, false}, // past 64 bits
        {"/elevated-install", true, false},
        {"/elevated-installer \"C:\\TWL\" 17", false, false},
        {"/ELEVATED-INSTALL \"C:\\TWL\" 17", false, false},
        {"", false, false},
        {"\"C:\\TWL\" 17", false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.request, IsElevatedRequest(row.line));
        ElevatedRequest request;
        EXPECT_EQ(row.taken, ParseElevatedArguments(row.line, &request));
        if (!row.taken) {
            EXPECT_STREQ("", request.folder);
        }
    }
    const std::string tooLong = "/elevated-install \"C:\\" + std::string(253, 'A') + "\" 1";
    ElevatedRequest request;
    EXPECT_FALSE(ParseElevatedArguments(tooLong.c_str(), &request));
}

// Every outcome the elevated launcher can have comes back as it was; a code that is none of
// ours (the process ended from outside, a crash) is a failure, never "installed".
TEST(ElevatedExitCode, CarriesTheOutcome) {
    const InstallOutcome outcomes[] = {
        {true, InstallAccepted, kInstallSteps},    {false, RefusedNoNames, kInstallSteps},
        {false, RefusedFolder, kInstallSteps},     {false, RefusedNotRemovable, kInstallSteps},
        {false, RefusedSourceSize, kInstallSteps}, {false, InstallAccepted, StepDataFile},
        {false, InstallAccepted, StepRecord},      {false, InstallAccepted, StepUninstaller},
        {false, InstallAccepted, StepEntry},
    };
    for (const InstallOutcome &sent : outcomes) {
        const uint32_t code = ElevatedExitCode(sent);
        SCOPED_TRACE(code);
        EXPECT_NE(0u, code);
        const InstallOutcome read = OutcomeOfElevatedExit(code);
        EXPECT_EQ(sent.installed, read.installed);
        EXPECT_EQ(sent.refusal, read.refusal);
        EXPECT_EQ(sent.failedStep, read.failedStep);
    }
    // Not finding the title there is a failure to show here, not a user's giving up.
    const InstallOutcome noTitle =
        OutcomeOfElevatedExit(ElevatedExitCode({false, RefusedNoTitle, kInstallSteps}));
    EXPECT_FALSE(noTitle.installed);
    EXPECT_EQ(InstallAccepted, noTitle.refusal);
    for (uint32_t code : {0u, 1u, 259u, 0xC0000005u, kElevatedBadRequest, 0xB500u, 0xB51Fu, 0xB524u,
                          0xB530u, 0xFFFFFFFFu}) {
        const InstallOutcome read = OutcomeOfElevatedExit(code);
        EXPECT_FALSE(read.installed) << code;
        EXPECT_EQ(InstallAccepted, read.refusal) << code;
        EXPECT_EQ(kInstallSteps, read.failedStep) << code;
    }
}

TEST(SetupRights, StatusLineAfterTheInstall) {
    const InstallOutcome installed = {true, InstallAccepted, kInstallSteps};
    const InstallOutcome failed = {false, InstallAccepted, StepRecord};
    const InstallOutcome gaveUp = {false, RefusedNoTitle, kInstallSteps};
    const InstallOutcome tooLarge = {false, RefusedSourceSize, kInstallSteps};
    const struct {
        const char *what;
        InstallOutcome outcome;
        HandOffResult handOff;
        unsigned text;
    } rows[] = {
        {"installed here", installed, HandOffNone, LANG_READY},
        {"installed by the elevated launcher", installed, HandOffRan, LANG_READY},
        {"failed there", failed, HandOffRan, LANG_INSTALL_FAILED},
        {"prompt declined: nothing changed, and the line says why",
         {false, InstallAccepted, kInstallSteps},
         HandOffDeclined,
         LANG_ELEVATION_DECLINED},
        {"could not be started",
         {false, InstallAccepted, kInstallSteps},
         HandOffFailed,
         LANG_INSTALL_FAILED},
        {"the user gave up looking for the disc", gaveUp, HandOffNone, 0},
        {"data file too large", tooLarge, HandOffNone, LANG_INSTALL_TOO_LARGE},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.text, InstallStatusText(row.outcome, row.handOff)) << row.what;
}

// The shield and the text side by side on the face, never over each other: the English Setup
// button (75 pixels) and the German one (90 pixels, "Installieren"), plain and pushed.
TEST(ShieldButton, IconBesideTheTextOnTheFace) {
    const struct {
        const char *what;
        long width, textWidth;
    } rows[] = {{"Setup", 75, 29}, {"Installieren", 90, 58}, {"too long for the face", 60, 58}};
    for (const auto &row : rows) {
        for (bool pushed : {false, true}) {
            SCOPED_TRACE(std::string(row.what) + (pushed ? ", pushed" : ""));
            const ShieldButtonFacts facts = {row.width, 23, 3, 16, 4, row.textWidth, 13, pushed};
            const ShieldButtonLayout layout = PlanShieldButton(facts);
            EXPECT_EQ(16, layout.icon.right - layout.icon.left);
            EXPECT_EQ(row.textWidth, layout.text.right - layout.text.left);
            EXPECT_GE(layout.text.left, layout.icon.right + 4); // no overlap, the gap kept
            EXPECT_GE(layout.icon.left, 3 + (pushed ? 1 : 0));
            EXPECT_EQ((23 - 16) / 2 + (pushed ? 1 : 0), layout.icon.top);
            EXPECT_EQ((23 - 13) / 2 + (pushed ? 1 : 0), layout.text.top);
            const long both = 16 + 4 + row.textWidth;
            if (both <= row.width - 6) { // centred together on the face
                const long left = layout.icon.left - (pushed ? 1 : 0);
                EXPECT_LE(std::abs((left - 3) - (row.width - 3 - (left + both))), 1);
            } else {
                EXPECT_EQ(3 + (pushed ? 1 : 0), layout.icon.left);
            }
        }
    }
}
