// The temporary batch file and PIF that delete the uninstaller and its folders after it exits.
#include "self_delete.h"

#include "../common/batch_lines.h"
#include "../common/command_quoting.h"
#include "../common/file_ops.h"
#include "../common/process.h"
#include "../common/text.h"
#include "paths.h"
#include "pif_patch.h"

namespace {

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

// cmd.exe has no PIF support: run the batch itself, minimised, from the Windows directory so that
// no folder the batch removes is its current one.
void StartThroughInterpreter(const char *batchPath) {
    char interpreter[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("COMSPEC", interpreter, sizeof interpreter);
    if (n == 0 || n >= sizeof interpreter)
        CopyText(interpreter, sizeof interpreter, "cmd.exe");
    char line[MAX_PATH + kTempNameCapacity + 16] = "\"";
    if (!AppendWhole(line, sizeof line, interpreter) || !AppendWhole(line, sizeof line, "\" /c ") ||
        !AppendPathArgument(line, sizeof line, batchPath))
        return;
    char folder[MAX_PATH];
    UINT folderLength = GetWindowsDirectoryA(folder, sizeof folder);
    StartCommandLine(line, SW_SHOWMINNOACTIVE, CREATE_NEW_CONSOLE,
                     folderLength > 0 && folderLength < sizeof folder ? folder : NULL);
}

// WinExec splits its command line at blanks: a PIF path with one goes in quotes.
void StartPif(const char *pifPath) {
    char line[kTempNameCapacity + 2];
    if (PutQuotedIfBlank(pifPath, TextLength(pifPath), line, sizeof line))
        WinExec(line, SW_SHOWMINIMIZED);
}

} // namespace

HANDLE CreateTempBatch(char *batchName, char *pifName) {
    batchName[0] = '\0';
    pifName[0] = '\0';
    char windows[256];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return INVALID_HANDLE_VALUE;
    char temp[MAX_PATH];
    if (GetTempFileNameA(windows, "unt", 0, temp) == 0)
        return INVALID_HANDLE_VALUE;
    DeleteByName(temp);
    if (!MakeTempNames(temp, batchName, kTempNameCapacity, pifName, kTempNameCapacity))
        return INVALID_HANDLE_VALUE;
    // Created or emptied, with normal attributes, as _lcreat would.
    return CreateFileA(batchName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       NULL);
}

BOOL WritePifFromTemplate(HINSTANCE instance, const char *pifPath, const char *batchPath) {
    HRSRC found = FindResourceA(instance, "#109", "PIF");
    if (found == NULL)
        return FALSE;
    HGLOBAL resource = LoadResource(instance, found);
    if (resource == NULL)
        return FALSE;
    DWORD size = SizeofResource(instance, found);
    const void *bytes = LockResource(resource);
    BOOL written = FALSE;
    HGLOBAL memory =
        bytes != NULL && size > 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size) : NULL;
    unsigned char *block = memory != NULL ? static_cast<unsigned char *>(GlobalLock(memory)) : NULL;
    if (block != NULL) {
        CopyMemory(block, bytes, size);
        if (PutPifProgram(block, size, batchPath)) {
            HANDLE pif = CreateFileA(pifPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, NULL);
            if (pif != INVALID_HANDLE_VALUE) {
                DWORD put = 0;
                written = WriteFile(pif, block, size, &put, NULL) && put == size;
                CloseHandle(pif);
                if (!written)
                    DeleteByName(pifPath);
            }
        }
        GlobalUnlock(memory);
    }
    if (memory != NULL)
        GlobalFree(memory);
    FreeResource(resource);
    return written;
}

BOOL WriteSelfDeleteBatch(HANDLE batch, const char *batchPath, const char *pifPath,
                          const char *installFolder, const char *ownPath) {
    BatchScript script;
    BOOL written = FALSE;
    // The lines may be as long as the interpreter that will run them takes (StartSelfDelete).
    if (BuildSelfDeleteLines(ownPath, installFolder, pifPath, batchPath,
                             BatchLineLimit(IsNtFamily()), &script)) {
        for (int i = 0; i < script.count; ++i) {
            // Parent folders are only worth removing while the batch is being written at all.
            if (script.lines[i].needsEarlierWrite && !written)
                continue;
            if (WriteBatchLine(batch, script.lines[i].text))
                written = TRUE;
        }
    }
    CloseHandle(batch);
    return written;
}

void StartSelfDelete(const char *pifPath, const char *batchPath) {
    if (IsNtFamily())
        StartThroughInterpreter(batchPath);
    else
        StartPif(pifPath);
}
