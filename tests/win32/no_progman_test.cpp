// The uninstaller where no Program Manager answers: nothing is removed and nothing is started,
// and the user is told so.
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
    int control, absent; // the question has Yes (1002); a message box its text (0xFFFF), no Yes
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
    Search &search = *reinterpret_cast<Search *>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (owner != search.processId || lstrcmpA(name, "#32770") != 0 ||
        GetDlgItem(window, search.control) == NULL ||
        (search.absent != 0 && GetDlgItem(window, search.absent) != NULL))
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND WaitForDialogOnDesktop(HDESK desktop, DWORD processId, int control, int absent = 0) {
    for (int i = 0; i < 200; ++i) {
        Search search = {processId, control, absent, NULL};
        EnumDesktopWindows(desktop, MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != NULL)
            return search.found;
        Sleep(50);
    }
    return NULL;
}

} // namespace

TEST(NoProgman, NothingRemovedNothingStartedAndTheUserIsTold) {
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
    HWND dialog = WaitForDialogOnDesktop(desktop, process.dwProcessId, 1002);
    EXPECT_NE(nullptr, dialog);
    if (dialog != NULL)
        PostMessageA(GetDlgItem(dialog, 1002), BM_CLICK, 0, 0);
    HWND box = WaitForDialogOnDesktop(desktop, process.dwProcessId, 0xFFFF, 1002);
    EXPECT_NE(nullptr, box) << "Yes removed nothing without a word";
    char text[256] = "", caption[64] = "";
    if (box != NULL) {
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        GetWindowTextA(box, caption, sizeof caption);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
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
    EXPECT_STREQ("Brindlemoor could not be removed because Program Manager did not respond. "
                 "Nothing has been changed.",
                 text);
    EXPECT_STREQ("Brindlemoor", caption);

    Sleep(3000); // long enough for a batch, had one been started
    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_TRUE(TemporaryBatchFiles().empty());
    ResetTitleState();
}
