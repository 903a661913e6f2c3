// The install record both programs share: BRINDMOR.INI in the Windows directory, the title's
// section, key "Install", whose value is the installed data file's full path.
#include "install_record.h"

#include "text.h"

bool BuildRecordFilePath(const char *windowsDirectory, const char *iniName, char *dst,
                         size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    if (windowsDirectory[0] != '\0' && iniName[0] != '\0' &&
        AppendWhole(dst, capacity, windowsDirectory) && AppendWhole(dst, capacity, "\\") &&
        AppendWhole(dst, capacity, iniName))
        return true;
    dst[0] = '\0';
    return false;
}
