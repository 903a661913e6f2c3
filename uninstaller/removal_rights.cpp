// Whether the removal may go ahead with the rights the uninstaller has, must ask once for more,
// or must be refused.
#include "removal_rights.h"

#include <cstddef>

RightsDecision DecideRemovalRights(const RemovalRightsFacts &facts) {
    const bool refused = facts.recordDenied || facts.entryDenied || facts.dataFileDenied ||
                         facts.uninstallerDenied || facts.folderDenied;
    if (!facts.system.ntFamily || !refused || facts.elevatedRun || facts.system.elevated)
        return RightsDecision::Proceed;
    return ElevationPossible(facts.system) ? RightsDecision::AskOnce : RightsDecision::Refuse;
}

bool HasElevatedSwitch(const char *commandTail) {
    static const char kSwitch[] = ELEVATED_SWITCH;
    const size_t length = sizeof kSwitch - 1;
    if (commandTail == nullptr)
        return false;
    for (const char *at = commandTail; *at != '\0'; ++at) {
        const bool wordStart = at == commandTail || at[-1] == ' ' || at[-1] == '\t';
        size_t i = 0;
        while (i < length && at[i] == kSwitch[i])
            ++i;
        const char after = at[i];
        if (wordStart && i == length && (after == '\0' || after == ' ' || after == '\t'))
            return true;
    }
    return false;
}
