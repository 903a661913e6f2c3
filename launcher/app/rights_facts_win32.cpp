// Gathering what the system says about the launcher's rights.
#include "rights_facts.h"

#include <windows.h>

#include "../../common/process.h"
#include "../../common/system_call.h"

namespace {
typedef BOOL(WINAPI *OpenTokenCall)(HANDLE, DWORD, PHANDLE);
typedef BOOL(WINAPI *TokenInformationCall)(HANDLE, int, LPVOID, DWORD, PDWORD);
const int kTokenElevationType = 18, kTokenElevation = 20; // TOKEN_INFORMATION_CLASS values

// UAC's switch: EnableLUA under the system policies; Windows treats a missing value as on.
bool UacOn() {
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return true;
    DWORD value = 1, type = 0, size = sizeof value;
    const LONG read =
        RegQueryValueExA(key, "EnableLUA", NULL, &type, reinterpret_cast<BYTE *>(&value), &size);
    RegCloseKey(key);
    return read != ERROR_SUCCESS || type != REG_DWORD || value != 0;
}
} // namespace

RightsFacts GatherRightsFacts() {
    RightsFacts facts = {};
    facts.ntFamily = IsNtFamily();
    if (!facts.ntFamily)
        return facts;
    const OpenTokenCall openToken = SystemCall<OpenTokenCall>("advapi32.dll", "OpenProcessToken");
    const TokenInformationCall information =
        SystemCall<TokenInformationCall>("advapi32.dll", "GetTokenInformation");
    HANDLE token = NULL;
    if (openToken == NULL || information == NULL ||
        !openToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return facts;
    // Systems before Vista do not know these classes: the query fails, and there is no elevation.
    DWORD type = 0, elevated = 0, size = 0;
    if (information(token, kTokenElevationType, &type, sizeof type, &size) &&
        information(token, kTokenElevation, &elevated, sizeof elevated, &size)) {
        facts.elevationExists = true;
        facts.elevated = elevated != 0;
        facts.type = type <= TokenKindLimited ? TokenKind(type) : TokenKindUnknown;
        facts.uacOn = UacOn();
    }
    CloseHandle(token);
    return facts;
}
