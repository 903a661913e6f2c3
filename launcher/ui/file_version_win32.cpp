// Reading the FileVersion text of a module file's version resource.
#include "file_version.h"

#include "../../common/system_library.h"
#include "version_query.h"

namespace {
typedef DWORD(WINAPI *InfoSize)(LPCSTR, LPDWORD);
typedef BOOL(WINAPI *Info)(LPCSTR, DWORD, DWORD, LPVOID);
typedef BOOL(WINAPI *Query)(LPCVOID, LPCSTR, LPVOID *, PUINT);

// The version library's three functions; all NULL when it could not be loaded.
struct VersionLibrary {
    HMODULE module;
    InfoSize infoSize;
    Info info;
    Query query;
};

// Not one of the system's known DLLs: loaded from the system directory by its path, never found
// beside the program.
VersionLibrary LoadVersionLibrary() {
    VersionLibrary library = {LoadSystemLibrary("version.dll"), NULL, NULL, NULL};
    library.infoSize = ExportedFunction<InfoSize>(library.module, "GetFileVersionInfoSizeA");
    library.info = ExportedFunction<Info>(library.module, "GetFileVersionInfoA");
    library.query = ExportedFunction<Query>(library.module, "VerQueryValueA");
    return library;
}

// The FileVersion text of the file through the library's functions.
void ReadFileVersion(const VersionLibrary &library, const char *path, char *out, size_t capacity) {
    DWORD handle = 0;
    DWORD size = library.infoSize(path, &handle);
    if (size == 0)
        return;
    void *block = LocalAlloc(LPTR, size);
    if (block == NULL)
        return;
    if (library.info(path, handle, size, block)) {
        // Ask the string block the resource itself lists first, whatever its code page.
        void *translation = NULL;
        UINT translationBytes = 0;
        if (!library.query(block, "\\VarFileInfo\\Translation", &translation, &translationBytes))
            translation = NULL, translationBytes = 0;
        char query[64];
        void *value = NULL;
        UINT length = 0;
        if (VersionValuePath(static_cast<const unsigned short *>(translation), translationBytes / 2,
                             "FileVersion", query, sizeof query) &&
            library.query(block, query, &value, &length) && value != NULL) {
            const char *text = static_cast<const char *>(value);
            size_t n = 0;
            while (n + 1 < capacity && n < length && text[n] != '\0')
                out[n] = text[n], ++n;
            out[n] = '\0';
        }
    }
    LocalFree(block);
}
} // namespace

void GetFileVersionText(const char *path, char *out, size_t capacity) {
    if (capacity == 0)
        return;
    out[0] = '\0';
    const VersionLibrary library = LoadVersionLibrary();
    if (library.infoSize != NULL && library.info != NULL && library.query != NULL)
        ReadFileVersion(library, path, out, capacity);
    if (library.module != NULL)
        FreeLibrary(library.module);
}
