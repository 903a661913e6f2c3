// Path texts the uninstaller builds: component paths and the temporary names.
#include "paths.h"

#include "../common/text.h"

bool JoinPath(const char *folder, const char *name, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    if (AppendWhole(dst, capacity, folder) && AppendWhole(dst, capacity, "\\") &&
        AppendWhole(dst, capacity, name))
        return true;
    dst[0] = '\0';
    return false;
}

namespace {
// The temporary name up to its last dot (position 0 is never taken for one).
bool BaseWithExtension(const char *tempName, const char *extension, char *dst, size_t capacity) {
    size_t end = TextLength(tempName);
    for (size_t i = end; i > 1; --i)
        if (tempName[i - 1] == '.') {
            end = i - 1;
            break;
        }
    if (end + TextLength(extension) + 1 > capacity) {
        dst[0] = '\0';
        return false;
    }
    CopyText(dst, end + 1, tempName);
    AppendText(dst, capacity, extension);
    return true;
}
} // namespace

bool MakeTempNames(const char *tempName, char *batch, size_t batchCapacity, char *pif,
                   size_t pifCapacity) {
    if (batchCapacity == 0 || pifCapacity == 0)
        return false;
    if (BaseWithExtension(tempName, ".pif", pif, pifCapacity) &&
        BaseWithExtension(tempName, ".bat", batch, batchCapacity))
        return true;
    batch[0] = '\0';
    pif[0] = '\0';
    return false;
}

namespace {
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The length of the path's root in its normal form's terms: "X:" (3 characters read, "X:\"), or
// "\\server\share" (read up to the share's end). 0 when the path is not absolute.
size_t RootLength(const char *path) {
    if (IsLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]))
        return 3;
    if (!IsSeparator(path[0]) || !IsSeparator(path[1]))
        return 0;
    size_t at = 2, parts = 0;
    while (parts < 2) {
        const size_t start = at;
        while (path[at] != '\0' && !IsSeparator(path[at]))
            ++at;
        if (at == start)
            return 0; // "\\" with no server, or a server with no share
        ++parts;
        if (parts < 2) {
            if (path[at] == '\0')
                return 0;
            ++at;
        }
    }
    return at;
}
} // namespace

bool NormalisePath(const char *path, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    const size_t root = RootLength(path);
    if (root == 0)
        return false;
    // The root as it is, its separators made backslashes, without the drive's backslash.
    const size_t kept = root == 3 ? 2 : root;
    if (kept + 1 > capacity)
        return false;
    for (size_t i = 0; i < kept; ++i)
        dst[i] = IsSeparator(path[i]) ? '\\' : path[i];
    size_t length = kept;
    dst[length] = '\0';
    for (size_t at = root; path[at] != '\0';) {
        while (IsSeparator(path[at]))
            ++at;
        const size_t start = at;
        while (path[at] != '\0' && !IsSeparator(path[at]))
            ++at;
        const size_t level = at - start;
        if (level == 0 || (level == 1 && path[start] == '.'))
            continue;
        if (level == 2 && path[start] == '.' && path[start + 1] == '.') {
            while (length > kept && dst[length - 1] != '\\')
                --length;
            if (length > kept)
                --length; // the backslash before the level taken away
            dst[length] = '\0';
            continue;
        }
        if (length + 1 + level + 1 > capacity) {
            dst[0] = '\0';
            return false;
        }
        dst[length++] = '\\';
        for (size_t i = 0; i < level; ++i)
            dst[length++] = path[start + i];
        dst[length] = '\0';
    }
    return true;
}

namespace {
// The root's length in the normal form: "X:" for a drive, "\\server\share" for a share; 0 for
// a text in neither form.
size_t NormalRootLength(const char *folder) {
    return IsLetter(folder[0]) && folder[1] == ':' ? 2 : RootLength(folder);
}
} // namespace

bool IsFolderBelowRoot(const char *folder) {
    const size_t root = NormalRootLength(folder);
    return root != 0 && folder[root] == '\\' && folder[root + 1] != '\0';
}

bool CutToParentFolder(char *folder) {
    const size_t root = NormalRootLength(folder);
    if (root == 0)
        return false;
    size_t cut = TextLength(folder);
    while (cut > root && folder[cut - 1] != '\\')
        --cut;
    // The parent must be a folder below the root, never the root itself ("X:" alone would name
    // the drive's current folder).
    if (cut == 0 || cut - 1 <= root)
        return false;
    folder[cut - 1] = '\0';
    return true;
}
