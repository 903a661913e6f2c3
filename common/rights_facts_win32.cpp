// Reading the rights facts of this process: the system's version, the token's elevation and the
// User Account Control setting.
#include <windows.h>

#include "rights_facts.h"

namespace {
typedef BOOL(WINAPI *OpenTokenFunction)(HANDLE, DWORD, PHANDLE);
typedef BOOL(WINAPI *TokenInformationFunction)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD,
                                               PDWORD);

// The elevation type and state of this process's token, through functions the 9x family lacks.
void ReadTokenElevation(RightsFacts *facts) {
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    if (advapi == NULL)
        return;
    OpenTokenFunction openToken = reinterpret_cast<OpenTokenFunction>(
        reinterpret_cast<void *>(GetProcAddress(advapi, "OpenProcessToken")));
    TokenInformationFunction information = reinterpret_cast<TokenInformationFunction>(
        reinterpret_cast<void *>(GetProcAddress(advapi, "GetTokenInformation")));
    HANDLE token = NULL;
    if (openToken == NULL || information == NULL ||
        !openToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    if (information(token, TokenElevationType, &type, sizeof type, &size)) {
        facts->elevationType = type == TokenElevationTypeFull      ? ElevationKind::Full
                               : type == TokenElevationTypeLimited ? ElevationKind::Limited
                                                                   : ElevationKind::Default;
    }
    TOKEN_ELEVATION elevation = {0};
    if (information(token, TokenElevation, &elevation, sizeof elevation, &size))
        facts->elevated = elevation.TokenIsElevated != 0;
    CloseHandle(token);
}

// EnableLUA in the 64-bit view where there is one (the policy is the machine's, not a view's);
// a missing value means on.
bool ReadUacOn() {
    const REGSAM kWow64Key64 = 0x0100; // KEY_WOW64_64KEY, ignored by 32-bit Windows
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", 0,
                      KEY_QUERY_VALUE | kWow64Key64, &key) != ERROR_SUCCESS)
        return true;
    DWORD value = 1, type = 0, size = sizeof value;
    const bool read = RegQueryValueExA(key, "EnableLUA", NULL, &type,
                                       reinterpret_cast<BYTE *>(&value), &size) == ERROR_SUCCESS &&
                      type == REG_DWORD;
    RegCloseKey(key);
    return !read || value != 0;
}
} // namespace

void GatherRightsFacts(RightsFacts *facts) {
    *facts = RightsFacts{false, false, ElevationKind::Unknown, false, false};
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return;
    facts->ntFamily = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    facts->vistaOrLater = facts->ntFamily && version.dwMajorVersion >= 6;
    if (!facts->vistaOrLater)
        return;
    ReadTokenElevation(facts);
    facts->uacOn = ReadUacOn();
}
