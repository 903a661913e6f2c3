// Reading the FileVersion text of a module file's version resource.
#include "file_version.h"

#include "version_query.h"

void GetFileVersionText(const char *path, char *out, size_t capacity) {
    if (capacity == 0)
        return;
    out[0] = '\0';
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return;
    void *block = LocalAlloc(LPTR, size);
    if (block == NULL)
        return;
    if (GetFileVersionInfoA(path, handle, size, block)) {
        // Ask the string block the resource itself lists first, whatever its code page.
        void *translation = NULL;
        UINT translationBytes = 0;
        if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", &translation, &translationBytes))
            translation = NULL, translationBytes = 0;
        char query[64];
        void *value = NULL;
        UINT length = 0;
        if (VersionValuePath(static_cast<const unsigned short *>(translation), translationBytes / 2,
                             "FileVersion", query, sizeof query) &&
            VerQueryValueA(block, query, &value, &length) && value != NULL) {
            const char *text = static_cast<const char *>(value);
            size_t n = 0;
            while (n + 1 < capacity && n < length && text[n] != '\0')
                out[n] = text[n], ++n;
            out[n] = '\0';
        }
    }
    LocalFree(block);
}
