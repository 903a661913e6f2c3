// The uninstaller's decisions on what it may remove: the group, the data file, the start-up switch.
#include "removal_rules.h"

#include "../common/text.h"

bool MayDeleteGroup(long itemCount, int found) {
    return itemCount == found;
}

bool GroupEmptyOnRecheck(const ItemCount &recheck) {
    return recheck.read && recheck.count == 0;
}

bool NamesTitleDataFile(const char *path, const char *dataFileName) {
    const char *name = path;
    for (const char *c = path; *c != '\0'; ++c)
        if (*c == '\\' || *c == '/' || *c == ':')
            name = c + 1;
    return dataFileName[0] != '\0' && EqualIgnoringCase(name, dataFileName);
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
