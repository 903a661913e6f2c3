// The system's own DLLs as the programs load them: from the system directory by full path, never
// through a search that a folder others may write could answer first.
#include "system_library.h"

#include "text.h"

namespace {
typedef BOOL(WINAPI *SetDefaultDirectories)(DWORD);
typedef BOOL(WINAPI *SetDirectory)(LPCSTR);
const DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32
} // namespace

bool SystemFilePath(const char *name, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    const UINT room = capacity > MAX_PATH ? MAX_PATH : UINT(capacity);
    const UINT length = GetSystemDirectoryA(dst, room);
    if (length > 0 && length < room && AppendWhole(dst, capacity, "\\") &&
        AppendWhole(dst, capacity, name))
        return true;
    dst[0] = '\0';
    return false;
}

HMODULE LoadSystemLibrary(const char *name) {
    char path[MAX_PATH];
    return SystemFilePath(name, path, sizeof path) ? LoadLibraryA(path) : NULL;
}

FARPROC SystemFunction(const char *dll, const char *name) {
    HMODULE module = GetModuleHandleA(dll);
    if (module == NULL)
        module = LoadSystemLibrary(dll);
    return module != NULL ? GetProcAddress(module, name) : NULL;
}

void RestrictDllSearch() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    SetDefaultDirectories restrict =
        ExportedFunction<SetDefaultDirectories>(kernel, "SetDefaultDllDirectories");
    if (restrict != NULL &&restrict(kSearchSystem32))
        return;
    // An empty directory takes the current folder out of the search order.
    SetDirectory setDirectory = ExportedFunction<SetDirectory>(kernel, "SetDllDirectoryA");
    if (setDirectory != NULL)
        setDirectory("");
}
