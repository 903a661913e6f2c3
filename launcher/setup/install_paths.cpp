// Where the installed files go: the data-file and uninstaller paths and the folder levels to
// create.
#include "install_paths.h"

#include "../../common/text.h"

static bool EndsWithBackslash(const char *text) {
    size_t length = TextLength(text);
    return length > 0 && text[length - 1] == '\\';
}

static bool JoinPath(const char *folder, bool separator, const char *fileName, char *dst,
                     size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    if (AppendWhole(dst, capacity, folder) && (!separator || AppendWhole(dst, capacity, "\\")) &&
        AppendWhole(dst, capacity, fileName))
        return true;
    dst[0] = '\0'; // a cut path would name another file
    return false;
}

bool BuildDataFilePath(const char *folder, const char *fileName, char *dst, size_t capacity) {
    return JoinPath(folder, true, fileName, dst, capacity);
}

bool BuildUninstallerPath(const char *folder, const char *fileName, char *dst, size_t capacity) {
    return JoinPath(folder, !EndsWithBackslash(folder), fileName, dst, capacity);
}

size_t FolderLevelEnds(const char *folder, unsigned short *ends, size_t maxEnds) {
    size_t count = 0;
    const size_t length = TextLength(folder);
    for (size_t i = 0; i <= length; ++i) {
        const bool end = folder[i] == '\\' || (i == length && !EndsWithBackslash(folder));
        if (!end || (i == length && length == 0))
            continue;
        if (count == maxEnds || i > 0xFFFF)
            return 0;
        ends[count++] = static_cast<unsigned short>(i);
    }
    return count;
}
