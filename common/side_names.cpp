// The names an installed file has beside its place while Setup puts a new copy in.
#include "side_names.h"

#include "text.h"

bool BuildSideName(const char *path, char mark, char *dst, size_t capacity) {
    const size_t length = TextLength(path);
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    if (length == 0 || length + 1 > capacity)
        return false;
    CopyText(dst, capacity, path);
    dst[length - 1] = mark;
    return true;
}

KeptFileRepair DecideKeptFile(bool finalExists, bool keptExists) {
    if (!keptExists)
        return KeptNothing;
    return finalExists ? KeptDelete : KeptMoveBack;
}
