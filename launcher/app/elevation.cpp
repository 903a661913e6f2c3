// Setup's rights: the decision to proceed, ask or refuse, and the elevated launcher's command line
// and exit code.
#include "elevation.h"

#include "../../common/text.h"
#include "../setup/space_lines.h"

namespace {
const unsigned kDriveRemovable = 2, kDriveFixed = 3, kDriveCdRom = 5, kDriveRamDisk = 6;

// Exit codes: a base no system status or small count is, then the outcome.
const uint32_t kExitBase = 0xB500;
const uint32_t kExitInstalled = kExitBase + 1;
const uint32_t kExitRefused = kExitBase + 0x10; // + the plan's refusal
const uint32_t kExitFailed = kExitBase + 0x20;  // + the step that failed
const uint32_t kExitDenied = kExitBase + 0x30;  // + the step that was refused for want of access
const uint32_t kExitKinds = 0x10;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

const char *SkipBlanks(const char *at) {
    while (IsBlank(*at))
        ++at;
    return at;
}

InstallOutcome Failure() {
    return InstallOutcome{false, InstallAccepted, kInstallSteps, false};
}
} // namespace

RightsForSetup DecideSetupRights(const RightsFacts &facts) {
    // The 9x family, and NT up to XP, have no elevation: the install runs with what it has, and
    // a refusal for want of rights shows as the install's own failure.
    if (!facts.ntFamily || !facts.vistaOrLater || facts.elevated)
        return SetupProceeds;
    if (ElevationPossible(facts))
        return SetupAsksOnce; // consent for a split token, credentials for a standard user
    // Not elevated while UAC is off: nothing can elevate. A token that could not be read while
    // UAC is on installs as before and fails with the install's own text if it must.
    return facts.uacOn ? SetupProceeds : SetupRefused;
}

bool SeenByElevatedLauncher(unsigned driveType) {
    return driveType == kDriveFixed || driveType == kDriveRemovable || driveType == kDriveCdRom ||
           driveType == kDriveRamDisk;
}

bool BuildElevatedArguments(const char *folder, uint64_t window, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    for (const char *at = folder; *at != '\0'; ++at)
        if (*at == '"' || static_cast<unsigned char>(*at) < 0x20)
            return false;
    char number[24];
    const bool built = folder[0] != '\0' && AppendWhole(dst, capacity, kElevatedSwitch) &&
                       AppendWhole(dst, capacity, " \"") && AppendWhole(dst, capacity, folder) &&
                       AppendWhole(dst, capacity, "\" ") &&
                       AppendWhole(dst, capacity, FormatDecimal(window, number, sizeof number));
    if (!built)
        dst[0] = '\0'; // never half a command line
    return built;
}

bool IsElevatedRequest(const char *commandLine) {
    const char *at = SkipBlanks(commandLine);
    const size_t length = sizeof kElevatedSwitch - 1;
    for (size_t i = 0; i < length; ++i)
        if (at[i] != kElevatedSwitch[i])
            return false;
    return at[length] == '\0' || IsBlank(at[length]);
}

bool ParseElevatedArguments(const char *commandLine, ElevatedRequest *request) {
    request->folder[0] = '\0';
    request->window = 0;
    if (!IsElevatedRequest(commandLine))
        return false;
    const char *at = SkipBlanks(SkipBlanks(commandLine) + sizeof kElevatedSwitch - 1);
    if (*at++ != '"')
        return false;
    char folder[sizeof request->folder];
    size_t length = 0;
    for (; *at != '"'; ++at) {
        if (*at == '\0' || static_cast<unsigned char>(*at) < 0x20 || length + 1 >= sizeof folder)
            return false;
        folder[length++] = *at;
    }
    folder[length] = '\0';
    ++at; // the closing quote
    if (length == 0 || !IsBlank(*at))
        return false;
    at = SkipBlanks(at);
    uint64_t window = 0;
    const char *digits = at;
    for (; *at >= '0' && *at <= '9'; ++at) {
        const unsigned digit = unsigned(*at - '0');
        if (window > (UINT64_MAX - digit) / 10)
            return false;
        window = window * 10 + digit;
    }
    if (at == digits || *SkipBlanks(at) != '\0')
        return false;
    CopyText(request->folder, sizeof request->folder, folder);
    request->window = window;
    return true;
}

uint32_t ElevatedExitCode(const InstallOutcome &outcome) {
    if (outcome.installed)
        return kExitInstalled;
    if (outcome.refusal != InstallAccepted)
        return kExitRefused + (uint32_t(outcome.refusal) % kExitKinds);
    return (outcome.accessDenied ? kExitDenied : kExitFailed) +
           (uint32_t(outcome.failedStep) % kExitKinds);
}

InstallOutcome OutcomeOfElevatedExit(uint32_t code) {
    InstallOutcome outcome = Failure();
    if (code == kExitInstalled) {
        outcome.installed = true;
    } else if (code > kExitRefused && code < kExitRefused + kExitKinds &&
               code - kExitRefused <= uint32_t(RefusedEarlierValues)) {
        // The elevated launcher not finding the title is a failure here, not a user's giving up.
        const InstallRefusal refusal = InstallRefusal(code - kExitRefused);
        if (refusal != RefusedNoTitle)
            outcome.refusal = refusal;
    } else if (code >= kExitFailed && code < kExitFailed + uint32_t(kInstallSteps)) {
        outcome.failedStep = InstallStep(code - kExitFailed);
    } else if (code >= kExitDenied && code < kExitDenied + uint32_t(kInstallSteps)) {
        outcome.failedStep = InstallStep(code - kExitDenied);
        outcome.accessDenied = true;
    }
    return outcome;
}
