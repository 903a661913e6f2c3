// The uninstaller's decisions on what it may remove: the group, what belongs to its own
// installation, the start-up switch.
#include "removal_rules.h"

#include "../common/text.h"
#include "paths.h"

bool MayDeleteGroup(long itemCount, int found) {
    return itemCount == found;
}

bool GroupEmptyOnRecheck(const ItemCount &recheck) {
    return recheck.read && recheck.count == 0;
}

namespace {
const size_t kPathCapacity = 260;

// The folder of a normalised path: up to its last backslash ("X:" for a file in a drive's root).
bool NormalisedFolder(const char *path, char *folder, size_t capacity) {
    if (!NormalisePath(path, folder, capacity))
        return false;
    CutAtLastChar(folder, '\\');
    return true;
}
} // namespace

bool RecordBelongsHere(const char *recordValue, const char *ownPath) {
    char recorded[kPathCapacity], own[kPathCapacity];
    return NormalisedFolder(recordValue, recorded, sizeof recorded) &&
           NormalisedFolder(ownPath, own, sizeof own) && EqualIgnoringCase(recorded, own);
}

bool EntryNamesUninstaller(const char *command, const char *ownPath) {
    char unquoted[kPathCapacity] = "";
    const size_t length = TextLength(command);
    const bool quoted = length >= 2 && command[0] == '"' && command[length - 1] == '"';
    if (length - (quoted ? 2 : 0) + 1 > sizeof unquoted)
        return false;
    CopyText(unquoted, quoted ? length - 1 : sizeof unquoted, quoted ? command + 1 : command);
    char named[kPathCapacity], own[kPathCapacity];
    return NormalisePath(unquoted, named, sizeof named) &&
           NormalisePath(ownPath, own, sizeof own) && EqualIgnoringCase(named, own);
}

bool RecordIsOurs(RecordRead record, const char *value, bool byIdentity, const char *ownPath) {
    return ownPath[0] != '\0' && record == RecordFound &&
           (byIdentity || RecordBelongsHere(value, ownPath));
}

bool EntryIsOurs(EntryRead entry, const char *command, bool byIdentity, const char *ownPath) {
    return ownPath[0] != '\0' && entry == EntryFound &&
           (byIdentity || EntryNamesUninstaller(command, ownPath));
}

bool HasRegistrySwitch(const char *commandTail) {
    static const char kSwitch[] = "/registry";
    if (commandTail == nullptr)
        return false;
    for (const char *at = commandTail; *at != '\0'; ++at) {
        size_t i = 0;
        while (kSwitch[i] != '\0' && at[i] == kSwitch[i])
            ++i;
        if (kSwitch[i] == '\0')
            return true;
    }
    return false;
}
