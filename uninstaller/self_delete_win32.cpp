// The temporary batch file and PIF that delete the uninstaller and its folders after it exits.
#include "self_delete.h"

#include <cstdio>

#include "../common/text.h"
#include "batch_lines.h"
#include "../common/command_quoting.h"
#include "paths.h"
#include "pif_patch.h"
#include "resources/uninstaller_ids.h"

namespace {

void DeleteByName(const char *path) {
    OFSTRUCT info = {};
    OpenFile(path, &info, OF_DELETE);
}

BOOL IsNtFamily() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// cmd.exe has no PIF support: run the batch itself, minimised, from the Windows directory so that
// no folder the batch removes is its current one.
void StartThroughInterpreter(const char *batchPath) {
    char interpreter[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("COMSPEC", interpreter, sizeof interpreter);
    if (n == 0 || n >= sizeof interpreter)
        CopyText(interpreter, sizeof interpreter, "cmd.exe");
    const char *quote = HasBlank(batchPath, TextLength(batchPath)) ? "\"" : "";
    char line[MAX_PATH + kTempNameCapacity + 16];
    int length =
        std::snprintf(line, sizeof line, "\"%s\" /c %s%s%s", interpreter, quote, batchPath, quote);
    if (length < 0 || length >= int(sizeof line))
        return;
    char folder[MAX_PATH];
    UINT folderLength = GetWindowsDirectoryA(folder, sizeof folder);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(NULL, line, NULL, NULL, FALSE, CREATE_NEW_CONSOLE, NULL,
                       folderLength > 0 && folderLength < sizeof folder ? folder : NULL, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

// WinExec splits its command line at blanks: a PIF path with one goes in quotes.
void StartPif(const char *pifPath) {
    char line[kTempNameCapacity + 2];
    if (PutQuotedIfBlank(pifPath, TextLength(pifPath), line, sizeof line))
        WinExec(line, SW_SHOWMINIMIZED);
}

} // namespace

HFILE CreateTempBatch(char *batchName, char *pifName) {
    batchName[0] = '\0';
    pifName[0] = '\0';
    char windows[256];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return HFILE_ERROR;
    char temp[MAX_PATH];
    if (GetTempFileNameA(windows, "unt", 0, temp) == 0)
        return HFILE_ERROR;
    DeleteByName(temp);
    if (!MakeTempNames(temp, batchName, kTempNameCapacity, pifName, kTempNameCapacity))
        return HFILE_ERROR;
    return _lcreat(batchName, 0);
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
            HFILE pif = _lcreat(pifPath, 0);
            if (pif != HFILE_ERROR) {
                UINT put = _lwrite(pif, reinterpret_cast<LPCCH>(block), UINT(size));
                _lclose(pif);
                written = put != UINT(HFILE_ERROR) && put == size;
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

BOOL WriteBatchLine(HFILE batch, const char *text) {
    char line[kBatchLineCapacity];
    CopyText(line, sizeof line, text);
    if (!AppendWhole(line, sizeof line, "\r\n"))
        return FALSE;
    return _lwrite(batch, line, UINT(TextLength(line))) != UINT(HFILE_ERROR);
}

BOOL WriteSelfDeleteBatch(HFILE batch, const char *batchPath, const char *pifPath,
                          const char *installFolder, const char *ownPath) {
    static BatchScript script; // 9 KB: kept off the stack
    BOOL written = FALSE;
    if (BuildSelfDeleteLines(ownPath, installFolder, pifPath, batchPath, &script)) {
        for (int i = 0; i < script.count; ++i) {
            // Parent folders are only worth removing while the batch is being written at all.
            if (script.lines[i].needsEarlierWrite && !written)
                continue;
            if (WriteBatchLine(batch, script.lines[i].text))
                written = TRUE;
        }
    }
    _lclose(batch);
    return written;
}

void StartSelfDelete(const char *pifPath, const char *batchPath) {
    if (IsNtFamily())
        StartThroughInterpreter(batchPath);
    else
        StartPif(pifPath);
}
