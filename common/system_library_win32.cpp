// The system's own DLLs as the programs load them: from the system directory by full path, never
// through a search that a folder others may write could answer first.
#include "system_library.h"

#include "text.h"

namespace {
typedef BOOL(WINAPI *SetDefaultDirectories)(DWORD);
typedef BOOL(WINAPI *SetDirectory)(LPCSTR);
const DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32
} // namespace

HMODULE LoadSystemLibrary(const char *name) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, sizeof path);
    if (length == 0 || length >= sizeof path || !AppendWhole(path, sizeof path, "\\") ||
        !AppendWhole(path, sizeof path, name))
        return NULL;
    return LoadLibraryA(path);
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
