// Test double: reports where the launcher's LocateTitle finds the title when run from this folder.
#include <windows.h>

#include <cstdio>

#include "common/string_source.h"
#include "launcher/core/language_setting.h"
#include "launcher/syscheck/title_disc.h"

// Writes "<title drive as a number>\n<title root>\n" to the file named by the command line.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    SetStringSource(instance, SelectLanguageBase(instance));
    const TitleLocation title = LocateTitle(NULL);
    char report[400];
    const int length =
        std::snprintf(report, sizeof report, "%u\n%s\n", unsigned(title.drive), title.root);
    HANDLE file = CreateFileA(commandLine, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    DWORD written = 0;
    WriteFile(file, report, DWORD(length > 0 ? length : 0), &written, NULL);
    CloseHandle(file);
    return 0;
}
