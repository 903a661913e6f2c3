// One spelling of a path on this machine: full paths, long names, substitute drives, identities.
#include "long_path.h"

#include <windows.h>

#include "process.h"
#include "text.h"

namespace {
typedef DWORD(WINAPI *LongPathNameA)(LPCSTR, LPSTR, DWORD);
typedef DWORD(WINAPI *DosDeviceQuery)(LPCSTR, LPSTR, DWORD);

FARPROC Kernel(const char *name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel != NULL ? GetProcAddress(kernel, name) : NULL;
}

bool FullPath(const char *path, char *dst, size_t capacity) {
    char *file = NULL;
    const DWORD room = capacity > MAX_PATH ? MAX_PATH : DWORD(capacity);
    const DWORD length = GetFullPathNameA(path, room, dst, &file);
    if (length == 0 || length >= room) {
        dst[0] = '\0';
        return false;
    }
    return true;
}

bool HasWildcard(const char *text, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (text[i] == '*' || text[i] == '?')
            return true;
    return false;
}

// Where the path's root ends ("X:\" gives 3), 0 when it has none we know.
size_t RootEnd(const char *path) {
    return path[0] != '\0' && path[1] == ':' && path[2] == '\\' ? 3 : 0;
}

// dst (the long form up to a level) + the rest of the path as it stands.
bool AppendRest(char *dst, size_t capacity, const char *rest) {
    if (rest[0] == '\0')
        return true;
    const size_t length = TextLength(dst);
    if (length > 0 && dst[length - 1] != '\\' && !AppendWhole(dst, capacity, "\\"))
        return false;
    return AppendWhole(dst, capacity, rest);
}

bool DriveExists(const char *full) {
    const char root[4] = {full[0], ':', '\\', '\0'};
    return GetDriveTypeA(root) != DRIVE_NO_ROOT_DIR;
}

bool ByLevels(const char *full, char *dst, size_t capacity) {
    const size_t root = RootEnd(full);
    if (root == 0 || root + 1 > capacity || !DriveExists(full))
        return false;
    CopyText(dst, root + 1, full);
    size_t at = root;
    while (full[at] != '\0') {
        size_t end = at;
        while (full[end] != '\0' && full[end] != '\\')
            ++end;
        char probe[MAX_PATH];
        CopyText(probe, sizeof probe, dst);
        const size_t used = TextLength(probe);
        WIN32_FIND_DATAA found;
        HANDLE search = INVALID_HANDLE_VALUE;
        if (!HasWildcard(full + at, end - at) && used + (end - at) + 2 <= sizeof probe) {
            if (used > 0 && probe[used - 1] != '\\')
                AppendText(probe, sizeof probe, "\\");
            const size_t start = TextLength(probe);
            for (size_t i = at; i < end; ++i)
                probe[start + i - at] = full[i];
            probe[start + end - at] = '\0';
            search = FindFirstFileA(probe, &found);
        }
        if (search == INVALID_HANDLE_VALUE)
            return AppendRest(dst, capacity, full + at); // the level and the rest do not exist
        FindClose(search);
        if (!AppendRest(dst, capacity, found.cFileName))
            return false;
        at = full[end] == '\\' ? end + 1 : end;
    }
    return true;
}

// Through GetLongPathNameA, which takes only paths that exist: the longest prefix that does,
// then the rest as it stands.
bool BySystem(LongPathNameA longName, const char *full, char *dst, size_t capacity) {
    const size_t root = RootEnd(full);
    if (root == 0)
        return false;
    char prefix[MAX_PATH];
    for (size_t cut = TextLength(full);;) {
        CopyText(prefix, cut + 1 < sizeof prefix ? cut + 1 : sizeof prefix, full);
        if (GetFileAttributesA(prefix) != INVALID_FILE_ATTRIBUTES) {
            const DWORD room = capacity > MAX_PATH ? MAX_PATH : DWORD(capacity);
            const DWORD length = longName(prefix, dst, room);
            if (length == 0 || length >= room)
                return false;
            const char *rest = full + cut;
            return AppendRest(dst, capacity, rest[0] == '\\' ? rest + 1 : rest);
        }
        if (cut <= root)
            return false; // not even the drive's root
        size_t levelStart = cut;
        while (levelStart > root && full[levelStart - 1] != '\\')
            --levelStart;
        cut = levelStart > root ? levelStart - 1 : root; // without the level and its backslash
    }
}

bool Identity(const char *path, FileIdentity *identity) {
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information;
    const BOOL read = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!read)
        return false;
    *identity = FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                             information.nFileIndexLow};
    return true;
}
} // namespace

bool SubstituteDriveFolder(char drive, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    DosDeviceQuery query =
        reinterpret_cast<DosDeviceQuery>(reinterpret_cast<void *>(Kernel("QueryDosDeviceA")));
    const char name[3] = {drive, ':', '\0'};
    char target[MAX_PATH + 8] = "";
    if (query == NULL || query(name, target, sizeof target) == 0)
        return false;
    target[sizeof target - 1] = '\0';
    return SubstituteFolder(target, dst, capacity);
}

bool LongPathFormByLevels(const char *path, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    char full[MAX_PATH];
    if (FullPath(path, full, sizeof full) && ByLevels(full, dst, capacity))
        return true;
    dst[0] = '\0';
    return false;
}

bool LongPathForm(const char *path, char *dst, size_t capacity) {
    LongPathNameA longName =
        reinterpret_cast<LongPathNameA>(reinterpret_cast<void *>(Kernel("GetLongPathNameA")));
    if (longName == NULL)
        return LongPathFormByLevels(path, dst, capacity);
    if (capacity == 0)
        return false;
    char full[MAX_PATH];
    if (FullPath(path, full, sizeof full) && BySystem(longName, full, dst, capacity))
        return true;
    dst[0] = '\0';
    return false;
}

bool CanonicalPath(const char *path, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    char full[MAX_PATH], folder[MAX_PATH];
    if (!FullPath(path, full, sizeof full))
        return false;
    if (!SubstituteDriveFolder(full[0], folder, sizeof folder))
        return LongPathForm(full, dst, capacity);
    // "S:\rest" with S: standing for "C:\GAMES" is "C:\GAMES\rest".
    const char *rest = full + 2;
    if (rest[0] == '\\')
        ++rest;
    return AppendRest(folder, sizeof folder, rest) && LongPathForm(folder, dst, capacity);
}

bool SameFile(const char *a, const char *b) {
    FileIdentity first, second;
    return IsNtFamily() && Identity(a, &first) && Identity(b, &second) &&
           SameIdentity(first, second);
}
