// The installation state from the setup mode text and the installation record.
#include <gtest/gtest.h>

#include "launcher/core/install_state_rules.h"

TEST(InstallStateDecision, ModeTextsAreMatchedExactly) {
    EXPECT_EQ(SetupRequired, SetupModeFromText("Setup:Required"));
    EXPECT_EQ(SetupOptional, SetupModeFromText("Setup:Optional"));
    EXPECT_EQ(SetupNone, SetupModeFromText("Setup:None"));
    EXPECT_EQ(SetupNone, SetupModeFromText("setup:required"));
    EXPECT_EQ(SetupNone, SetupModeFromText("Setup:REQUIRED"));
    EXPECT_EQ(SetupNone, SetupModeFromText("Setup:Required "));
    EXPECT_EQ(SetupNone, SetupModeFromText(""));
    EXPECT_EQ(SetupNone, SetupModeFromText(nullptr));
}

TEST(InstallStateDecision, RecordAndDataFile) {
    struct Case {
        const char *mode, *recorded;
        bool present;
        InstallState expected;
    } cases[] = {
        {"Setup:Required", "", false, SetupRequired},
        {"Setup:Required", "", true, SetupRequired}, // no record: presence is not looked at
        {"Setup:Optional", "", false, SetupOptional},
        {"Setup:Required", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", true, SetupComplete},
        {"Setup:Optional", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", true, SetupComplete},
        {"Setup:Required", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", false, SetupIncomplete},
        {"Setup:Optional", "D:\\X\\BRINDMOR.QKT", false, SetupIncomplete},
        // Mode None and unknown texts ignore any record.
        {"Setup:None", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", true, SetupNone},
        {"Setup:None", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", false, SetupNone},
        {"setup:Required", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", false, SetupNone},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " / " + c.recorded + (c.present ? " present" : ""));
        EXPECT_EQ(c.expected, DecideInstallState(c.mode, c.recorded[0] != '\0', c.present));
    }
}
