// The title's installation state as a decision over the setup mode text and the install record.
#include "install_state_rules.h"

#include <cstring>

namespace {
struct ModeText {
    const char *text;
    InstallState mode;
};

// Compared in this order, exactly (letter case counts).
const ModeText kModeTexts[] = {
    {"Setup:Required", SetupRequired},
    {"Setup:Optional", SetupOptional},
    {"Setup:None", SetupNone},
};
} // namespace

InstallState SetupModeFromText(const char *modeText) {
    if (modeText == nullptr)
        return SetupNone;
    for (const ModeText &entry : kModeTexts)
        if (std::strcmp(modeText, entry.text) == 0)
            return entry.mode;
    return SetupNone;
}

InstallState DecideInstallState(const char *modeText, bool recorded, bool filePresent) {
    const InstallState mode = SetupModeFromText(modeText);
    if (mode == SetupNone)
        return SetupNone;
    if (!recorded)
        return mode;
    return filePresent ? SetupComplete : SetupIncomplete;
}
