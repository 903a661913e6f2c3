// Paths on the title's disc ("0:\..." placeholders), the title root, and where the title is.
#include "disc_paths.h"

#include "../../common/text.h"

bool ResolveDiscPath(const char *stored, const TitleLocation &location, char *dst,
                     size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    if (stored[0] == '\0')
        return false;
    bool whole = false;
    if (location.drive >= 'a' && location.drive <= 'z') {
        const char letter[2] = {char(location.drive), '\0'};
        whole = AppendWhole(dst, capacity, letter) && AppendWhole(dst, capacity, stored + 1);
    } else {
        const char *rest = TextLength(stored) >= 3 ? stored + 3 : "";
        whole = AppendWhole(dst, capacity, location.root) && AppendWhole(dst, capacity, rest);
    }
    if (!whole)
        dst[0] = '\0'; // a cut path would name another file
    return whole;
}

bool ResolveDiscFile(const char *fileName, const TitleLocation &location, char *dst,
                     size_t capacity) {
    char stored[260] = "0:\\";
    if (AppendWhole(stored, sizeof stored, fileName))
        return ResolveDiscPath(stored, location, dst, capacity);
    if (capacity > 0)
        dst[0] = '\0';
    return false;
}

bool TitleRootFromModulePath(const char *modulePath, char *root, size_t capacity) {
    if (capacity == 0)
        return false;
    root[0] = '\0';
    // Cut twice at the last backslash: the file name, then the launcher's own folder (a cut
    // that finds no backslash leaves the text as it is).
    size_t end = TextLength(modulePath);
    for (int cut = 0; cut < 2; ++cut)
        for (size_t i = end; i > 0; --i)
            if (modulePath[i - 1] == '\\') {
                end = i - 1;
                break;
            }
    if (end + 2 > capacity)
        return false;
    CopyText(root, end + 1, modulePath);
    root[end] = '\\';
    root[end + 1] = '\0';
    return true;
}
