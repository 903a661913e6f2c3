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
