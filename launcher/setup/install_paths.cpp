// Where the installed files go: the data-file and uninstaller paths and the folders to create.
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

void ForEachFolderPrefix(const char *folder, void (*visit)(const char *prefix, void *context),
                         void *context) {
    char path[260];
    CopyText(path, sizeof path, folder);
    if (!EndsWithBackslash(path))
        AppendText(path, sizeof path, "\\");
    for (size_t i = 0; path[i] != '\0'; ++i) {
        if (path[i] != '\\')
            continue;
        path[i] = '\0';
        visit(path, context);
        path[i] = '\\';
    }
}
