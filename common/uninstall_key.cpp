// The registry path of the title's entry in Windows' list of removable programs.
#include "uninstall_key.h"

#include "text.h"

bool BuildUninstallKeyPath(const char *displayName, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    if (displayName[0] == '\0') // would name the parent key itself
        return false;
    if (AppendWhole(dst, capacity, UNINSTALL_KEY_PARENT "\\") &&
        AppendWhole(dst, capacity, displayName))
        return true;
    dst[0] = '\0';
    return false;
}
