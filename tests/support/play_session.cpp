// What the Play, Help and About tests share: an installed title, the recorder double, and
// waiting for files and windows.
#include "play_session.h"

#include "tests/support/drives.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"

#include <cstdlib>

namespace play_session {
bool RecordInstalledTitle() {
    const std::string folder = "C:\\TWL\\BRINDMOR", data = folder + "\\BRINDMOR.QKT";
    CreateDirectoryA("C:\\TWL", NULL);
    CreateDirectoryA(folder.c_str(), NULL);
    return WriteWholeFile(data, "installed data") &&
           WritePrivateProfileStringA("Brindlemoor", "Install", data.c_str(), IniPath().c_str());
}

std::string RecorderPath() {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "/build") + "/RECORDER.EXE");
}

std::string WaitForFileText(const std::string &path, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        std::string text = ReadWholeFile(path);
        if (!text.empty() || GetTickCount() - start > milliseconds)
            return text;
        Sleep(100);
    }
}

bool WaitUntilGone(HWND window, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(50);
    }
    return true;
}

void ExpectPlayerStartedFromDisc(const std::string &playerLog) {
    EXPECT_EQ("e:\\BRINDMOR.EXE\r\n", WaitForFileText(playerLog));
    EXPECT_NE(nullptr, WaitForTopWindow("TWL_ORB", "Brindlemoor", 0, kWait));
}

HWND WaitForDialog(DWORD processId, const char *caption, DWORD milliseconds) {
    return WaitForTopWindow("#32770", caption, processId, milliseconds);
}

InstalledLauncher::InstalledLauncher(const char *name)
    : playerLog(std::string("C:\\player-") + name + ".log"),
      recordLog(std::string("C:\\recorder-") + name + ".log") {}

void InstalledLauncher::SetUp() {
    ResetTitleState();
    ASSERT_TRUE(RestoreDiscDrive());
    ASSERT_TRUE(RecordInstalledTitle());
    DeleteFileA(playerLog.c_str());
    DeleteFileA(recordLog.c_str());
    SetEnvironmentVariableA("BRINDLE_PLAYER_LOG", playerLog.c_str());
    SetEnvironmentVariableA("BRINDLE_RECORD_LOG", recordLog.c_str());
    dialog = StartLauncherFromDisc(&launcher);
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(ControlEnabled(dialog, IDOK)) << "the title should count as installed";
}

void InstalledLauncher::TearDown() {
    EndProcess(launcher);
    RestoreDiscDrive();
    ResetTitleState();
}
} // namespace play_session
