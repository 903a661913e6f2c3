// One spelling of a path on this machine: the decisions over what the system reports.
#include "long_path.h"

#include "text.h"

bool SubstituteFolder(const char *deviceTarget, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    // A substitute drive's target is a path of the object namespace's DOS drives: "\??\X:\...".
    const char *prefix = "\\??\\";
    for (size_t i = 0; prefix[i] != '\0'; ++i)
        if (deviceTarget[i] != prefix[i])
            return false;
    const char *folder = deviceTarget + 4;
    if (folder[0] == '\0' || folder[1] != ':' || TextLength(folder) + 1 > capacity)
        return false;
    CopyText(dst, capacity, folder);
    return true;
}

bool SameIdentity(const FileIdentity &a, const FileIdentity &b) {
    const bool indexed = (a.indexHigh | a.indexLow) != 0;
    return indexed && a.volume == b.volume && a.indexHigh == b.indexHigh &&
           a.indexLow == b.indexLow;
}
