// Starting programs: the hand-off to a program registered under the title's key, and StartProgram.
#include "handoff.h"

#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "handoff_rules.h"

// Reads one REG_SZ value of HKLM\Software\<maker>\<product> into a 256-byte buffer.
static BOOL ReadTitleRegistryString(const char *maker, const char *product, const char *valueName,
                                    char *buffer) {
    buffer[0] = '\0';
    char subkey[256] = "Software\\";
    if (!AppendWhole(subkey, sizeof subkey, maker) || !AppendWhole(subkey, sizeof subkey, "\\") ||
        !AppendWhole(subkey, sizeof subkey, product))
        return FALSE;
    HKEY key;
    // Read access is all a hand-off needs; asking for more fails on accounts without admin rights.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return FALSE;
    char data[256];
    DWORD type = 0, size = sizeof data;
    LONG result =
        RegQueryValueExA(key, valueName, NULL, &type, reinterpret_cast<BYTE *>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return FALSE;
    // Registry data need not be terminated; never read past what was stored.
    size_t length = size < sizeof data ? size : sizeof data - 1;
    data[length] = '\0';
    CopyText(buffer, 256, data);
    return TRUE;
}

BOOL RunRegisteredProgram(HINSTANCE instance, UINT makerId, UINT productId, UINT valueId) {
    char maker[64], product[64], valueName[64], registered[256];
    LoadFixedString(makerId, maker, sizeof maker);
    LoadFixedString(productId, product, sizeof product);
    LoadFixedString(valueId, valueName, sizeof valueName);
    if (!ReadTitleRegistryString(maker, product, valueName, registered) || registered[0] == '\0')
        return FALSE;

    char ownPath[MAX_PATH];
    ModulePath(instance, ownPath, sizeof ownPath);
    if (NamesThisLauncher(registered, ownPath))
        return FALSE;

    char program[256];
    ProgramPathOf(registered, program, sizeof program);
    OFSTRUCT info = {};
    if (OpenFile(program, &info, OF_EXIST) == HFILE_ERROR)
        return FALSE;
    // The file found is the one started, with the registered text as its command line.
    return StartProgram(info.szPathName, registered);
}

BOOL StartProgram(const char *program, const char *commandLine) {
    return StartCommandLine(commandLine, SW_SHOWNORMAL, CREATE_NEW_PROCESS_GROUP, NULL, program);
}
