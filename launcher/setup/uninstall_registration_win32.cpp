// The title's entry in Windows' list of removable programs.
#include "uninstall_registration.h"

#include "../../common/text.h"
#include "../../common/uninstall_key.h"

static bool SetText(HKEY key, const char *name, const char *text) {
    DWORD size = DWORD(TextLength(text) + 1); // stored with its terminating zero
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text), size) ==
           ERROR_SUCCESS;
}

BOOL RegisterUninstall(const char *displayName, const char *uninstallCommand) {
    char path[260];
    if (!BuildUninstallKeyPath(displayName, path, sizeof path))
        return FALSE;
    HKEY key = NULL;
    DWORD disposition = 0;
    char noClass[1] = "";
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, noClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, NULL, &key, &disposition) != ERROR_SUCCESS)
        return FALSE;
    bool written = SetText(key, "DisplayName", displayName) &&
                   SetText(key, "UninstallString", uninstallCommand);
    RegCloseKey(key);
    return written ? TRUE : FALSE;
}
