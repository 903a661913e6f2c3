// The temporary batch file (and, on the 9x family, its PIF) that deletes the uninstaller and its
// folders after it exits.
#include "self_delete.h"

#include "../common/batch_lines.h"
#include "../common/code_pages.h"
#include "../common/command_quoting.h"
#include "../common/file_ops.h"
#include "../common/process.h"
#include "../common/text.h"
#include "paths.h"
#include "pif_patch.h"

namespace {

// Names tried before giving up: each one another program's file already holds.
const int kNameTries = 8;

// The text and CR LF; TRUE unless the write failed.
BOOL WriteBatchLine(HANDLE batch, const char *text) {
    char line[kBatchLineCapacity];
    CopyText(line, sizeof line, text);
    if (!AppendWhole(line, sizeof line, "\r\n"))
        return FALSE;
    DWORD written = 0;
    const DWORD length = DWORD(TextLength(line));
    return WriteFile(batch, line, length, &written, NULL) && written == length;
}

// A file of that name, made new: never one that is already there.
HANDLE CreateNew(const char *path) {
    return CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
}

bool NameTaken() {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

bool MakeSystemTempName(void *, const char *folder, char name[MAX_PATH]) {
    return GetTempFileNameA(folder, "unt", 0, name) != 0;
}

// cmd.exe has no PIF support: it runs the batch itself, minimised, from the batch's own folder, so
// that no folder the batch removes is its current one and the command line names the batch by its
// file name alone (letters and digits): no character of the folder's path reaches the command
// line. /d skips the AutoRun commands of the registry, /v:off keeps "!" an ordinary character
// whatever the DelayedExpansion setting.
void StartThroughInterpreter(const char *batchPath) {
    char folder[kTempNameCapacity];
    CopyText(folder, sizeof folder, batchPath);
    CutAtLastChar(folder, '\\');
    const size_t folderLength = TextLength(folder);
    if (folderLength == TextLength(batchPath))
        return; // no folder: nothing we could start it from
    char interpreter[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("COMSPEC", interpreter, sizeof interpreter);
    if (n == 0 || n >= sizeof interpreter)
        CopyText(interpreter, sizeof interpreter, "cmd.exe");
    char line[MAX_PATH + kTempNameCapacity + 32] = "\"";
    if (!AppendWhole(line, sizeof line, interpreter) ||
        !AppendWhole(line, sizeof line, "\" /d /v:off /c ") ||
        !AppendPathArgument(line, sizeof line, batchPath + folderLength + 1))
        return;
    // A drive's root keeps its backslash ("C:\"), or the folder would be the drive's current one.
    char start[kTempNameCapacity + 1];
    CopyText(start, sizeof start, folder);
    if (folderLength == 2 && folder[1] == ':')
        AppendText(start, sizeof start, "\\");
    StartCommandLine(line, SW_SHOWMINNOACTIVE, CREATE_NEW_CONSOLE, start);
}

// Where the deepest level of the folder that is a junction or directory link ends, 0 when none is:
// the batch removes no level from there up (9x file systems have no such levels).
size_t DeepestLinkEnd(const char *folder) {
    char level[MAX_PATH];
    const size_t length = TextLength(folder);
    if (length + 1 > sizeof level)
        return 0;
    for (size_t end = length; end > 0; --end) {
        if (end != length && folder[end] != '\\')
            continue;
        CopyText(level, end + 1, folder);
        const DWORD attributes = GetFileAttributesA(level);
        if (attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return end;
    }
    return 0;
}

// WinExec splits its command line at blanks: a PIF path with one goes in quotes.
void StartPif(const char *pifPath) {
    char line[kTempNameCapacity + 2];
    if (PutQuotedIfBlank(pifPath, TextLength(pifPath), line, sizeof line))
        WinExec(line, SW_SHOWMINIMIZED);
}

} // namespace

bool SelfDeleteFolder(bool ntFamily, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    const DWORD room = capacity > MAX_PATH ? MAX_PATH : DWORD(capacity);
    const DWORD length = ntFamily ? GetTempPathA(room, dst) : GetWindowsDirectoryA(dst, UINT(room));
    if (length == 0 || length >= room) {
        dst[0] = '\0';
        return false;
    }
    return true;
}

TempNameSource SystemTempNames() {
    return TempNameSource{MakeSystemTempName, NULL};
}

HANDLE CreateTempBatch(const char *folder, bool withPif, TempNameSource names, char *batchName,
                       char *pifName, HANDLE *pif) {
    *pif = INVALID_HANDLE_VALUE;
    // Each reserved ".TMP" stays until the end, so that the next name made is another one.
    char reserved[kNameTries][MAX_PATH];
    int reservedCount = 0;
    HANDLE batch = INVALID_HANDLE_VALUE;
    while (batch == INVALID_HANDLE_VALUE && reservedCount < kNameTries &&
           names.make(names.context, folder, reserved[reservedCount])) {
        const char *temp = reserved[reservedCount++];
        if (!MakeTempNames(temp, batchName, kTempNameCapacity, pifName, kTempNameCapacity))
            break;
        batch = CreateNew(batchName);
        if (batch == INVALID_HANDLE_VALUE) {
            if (NameTaken())
                continue;
            break;
        }
        if (!withPif)
            break;
        *pif = CreateNew(pifName);
        if (*pif != INVALID_HANDLE_VALUE)
            break;
        const bool taken = NameTaken();
        CloseHandle(batch);
        DeleteByName(batchName);
        batch = INVALID_HANDLE_VALUE;
        if (!taken)
            break;
    }
    for (int i = 0; i < reservedCount; ++i)
        DeleteByName(reserved[i]);
    if (batch == INVALID_HANDLE_VALUE) {
        batchName[0] = '\0';
        pifName[0] = '\0';
    } else if (!withPif) {
        pifName[0] = '\0';
    }
    return batch;
}

BOOL WritePifFromTemplate(HINSTANCE instance, HANDLE pif, const char *batchPath) {
    BOOL written = FALSE;
    HRSRC found = FindResourceA(instance, "#109", "PIF");
    HGLOBAL resource = found != NULL ? LoadResource(instance, found) : NULL;
    if (resource != NULL) {
        DWORD size = SizeofResource(instance, found);
        const void *bytes = LockResource(resource);
        HGLOBAL memory =
            bytes != NULL && size > 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size) : NULL;
        unsigned char *block =
            memory != NULL ? static_cast<unsigned char *>(GlobalLock(memory)) : NULL;
        if (block != NULL) {
            CopyMemory(block, bytes, size);
            DWORD put = 0;
            written = PutPifProgram(block, size, batchPath) &&
                      WriteFile(pif, block, size, &put, NULL) && put == size;
            GlobalUnlock(memory);
        }
        if (memory != NULL)
            GlobalFree(memory);
        FreeResource(resource);
    }
    CloseHandle(pif);
    return written;
}

BOOL WriteSelfDeleteBatch(HANDLE batch, const char *batchPath, const char *pifPath,
                          const char *installFolder, const char *ownPath, bool ntFamily) {
    BatchScript script;
    // The lines may be as long as the interpreter that will run them takes (StartSelfDelete), and
    // are in the code page it reads them in.
    BatchInterpreter interpreter = ThisSystemsBatchInterpreter();
    interpreter.lineLimit = BatchLineLimit(ntFamily);
    // The batch names itself by its short name where the file system keeps one: the temporary
    // folder's long name may hold letters the interpreter's code page has not (a user's name).
    char self[kTempNameCapacity];
    const DWORD shortLength = GetShortPathNameA(batchPath, self, sizeof self);
    if (shortLength == 0 || shortLength >= sizeof self)
        CopyText(self, sizeof self, batchPath);
    bool whole = BuildSelfDeleteLines(ownPath, installFolder, DeepestLinkEnd(installFolder),
                                      pifPath, self, interpreter, &script);
    // Every line or none: a batch missing its loop's way out would retry for ever.
    for (int i = 0; whole && i < script.count; ++i)
        whole = WriteBatchLine(batch, script.lines[i].text) != FALSE;
    CloseHandle(batch);
    return whole ? TRUE : FALSE;
}

void StartSelfDelete(const char *pifPath, const char *batchPath, bool ntFamily) {
    if (ntFamily)
        StartThroughInterpreter(batchPath);
    else
        StartPif(pifPath);
}
