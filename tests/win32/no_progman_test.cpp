// The uninstaller where no Program Manager answers: nothing is removed and nothing is started.
//
// Wine's shell answers "PROGMAN" on every desktop of the interactive window station. A window
// station of our own is not interactive: Wine starts no shell for it, so an initiate there reaches
// no server. The uninstaller runs on a desktop of such a station, and the test presses Yes there.
#include <gtest/gtest.h>

#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchConfirmation(HWND window, LPARAM lParam) {
    Search &search = *reinterpret_cast<Search *>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (owner != search.processId || lstrcmpA(name, "#32770") != 0)
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND WaitForDialogOnDesktop(HDESK desktop, DWORD processId) {
    for (int i = 0; i < 200; ++i) {
        Search search = {processId, NULL};
        EnumDesktopWindows(desktop, MatchConfirmation, reinterpret_cast<LPARAM>(&search));
        if (search.found != NULL)
            return search.found;
        Sleep(50);
    }
    return NULL;
}

} // namespace

TEST(NoProgman, NothingRemovedAndNothingStarted) {
    ResetTitleState();
    DeleteTemporaryBatchFiles();
    ASSERT_TRUE(PrepareInstalledState());

    HWINSTA interactive = GetProcessWindowStation();
    HWINSTA station = CreateWindowStationA("brindle_noprogman", 0, WINSTA_ALL_ACCESS, NULL);
    ASSERT_NE(nullptr, station);
    ASSERT_TRUE(SetProcessWindowStation(station));
    HDESK desktop = CreateDesktopA("noprogman", NULL, NULL, 0, GENERIC_ALL, NULL);
    SetProcessWindowStation(interactive);
    ASSERT_NE(nullptr, desktop);

    char commandLine[] = INSTALLED_UNINSTALLER;
    char desktopName[] = "brindle_noprogman\\noprogman";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktopName;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(
        CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
    CloseHandle(process.hThread);
    HWND dialog = WaitForDialogOnDesktop(desktop, process.dwProcessId);
    EXPECT_NE(nullptr, dialog);
    if (dialog != NULL)
        PostMessageA(GetDlgItem(dialog, 1002), BM_CLICK, 0, 0);
    DWORD exitCode = 99;
    bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (ended)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hProcess);
    CloseDesktop(desktop);
    CloseWindowStation(station);
    ASSERT_TRUE(ended);
    EXPECT_EQ(0u, exitCode);

    Sleep(3000); // long enough for a batch, had one been started
    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_TRUE(TemporaryBatchFiles().empty());
    ResetTitleState();
}
