// Starting the launcher from the disc: hand-off to a registered program, and one launcher at a
// time.
#include <gtest/gtest.h>

#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

#include <cstdlib>
#include <string>

namespace {
const DWORD kWait = 15000;

std::string RecorderPath() {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "/build") + "/RECORDER.EXE");
}

class Startup : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        log = "C:\\recorder-startup.log";
        DeleteFileA(log.c_str());
        SetEnvironmentVariableA("BRINDLE_RECORD_LOG", log.c_str());
    }
    void TearDown() override {
        EndProcess(launcher);
        EndProcess(second);
        ResetTitleState();
    }
    Process StartLauncher() { return StartProcess("E:\\RBRINDMOR.EXE", "E:\\"); }
    // The launcher ended on its own with 0 and never showed its dialog.
    void ExpectEndsWithoutWindow(Process &process) {
        DWORD code = 1;
        ASSERT_TRUE(WaitForExit(process, kWait, &code));
        EXPECT_EQ(0u, code);
    }
    HWND ExpectDialog(Process &process) {
        HWND dialog = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", process.id, kWait);
        EXPECT_NE(nullptr, dialog);
        return dialog;
    }
    void ExitThrough(HWND dialog, Process &process) {
        ClickButton(dialog, IDCANCEL);
        DWORD code = 1;
        EXPECT_TRUE(WaitForExit(process, kWait, &code));
        EXPECT_EQ(0u, code);
    }
    std::string log;
    Process launcher, second;
};
} // namespace

TEST_F(Startup, RegisteredProgramWithArgumentsIsStartedWhole) {
    std::string command = RecorderPath() + " -from autorun";
    ASSERT_TRUE(SetRegistryString(TITLE_KEY, "Autorun Program", command));
    launcher = StartLauncher();
    ExpectEndsWithoutWindow(launcher);
    EXPECT_EQ(nullptr, FindTopWindow("TWL_AUTORUN", NULL, launcher.id));
    for (int i = 0; i < 50 && ReadWholeFile(log).empty(); ++i)
        Sleep(100);
    EXPECT_EQ(command + "\r\n", ReadWholeFile(log));
}

TEST_F(Startup, RegistrationsThatAreNotHandedOff) {
    const std::string recorder = RecorderPath();
    // The file the existence test finds is the one started: never a program the system's own
    // search would take instead (the same name with ".exe").
    CreateDirectoryA("C:\\TWL", NULL);
    CreateDirectoryA("C:\\TWL\\HANDOFF", NULL);
    ASSERT_TRUE(WriteWholeFile("C:\\TWL\\HANDOFF\\PLAY", "not a program"));
    ASSERT_TRUE(CopyFileA(recorder.c_str(), "C:\\TWL\\HANDOFF\\PLAY.EXE", FALSE));
    struct Case {
        const char *why;
        DWORD type;
        std::string value;
    } cases[] = {
        {"expandable string", REG_EXPAND_SZ, recorder},
        {"the launcher itself", REG_SZ, "E:\\RBRINDMOR.EXE"},
        {"the launcher in another case, with arguments", REG_SZ, "e:\\rbrindmor.exe /again"},
        {"a missing program", REG_SZ, "C:\\NOWHERE\\PLAY.EXE"},
        {"a path cut at its blank", REG_SZ, "C:\\Program Files\\PLAY.EXE"},
        {"a file beside a program of its name and .exe", REG_SZ, "C:\\TWL\\HANDOFF\\PLAY -x"},
        {"an empty value", REG_SZ, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        ASSERT_TRUE(SetRegistryValue(TITLE_KEY, "Autorun Program", c.type, c.value.c_str(),
                                     DWORD(c.value.size() + 1)));
        launcher = StartLauncher();
        HWND dialog = ExpectDialog(launcher);
        if (dialog != NULL)
            ExitThrough(dialog, launcher);
        EndProcess(launcher);
    }
    EXPECT_EQ("", ReadWholeFile(log)); // nothing was started in place of the launcher
}

TEST_F(Startup, SecondLauncherRaisesTheFirstAndEnds) {
    launcher = StartLauncher();
    HWND dialog = ExpectDialog(launcher);
    ASSERT_NE(nullptr, dialog);
    ShowWindow(dialog, SW_MINIMIZE);
    Settle();
    ASSERT_TRUE(IsIconic(dialog));
    second = StartLauncher();
    ExpectEndsWithoutWindow(second);
    Settle();
    EXPECT_FALSE(IsIconic(dialog));                           // restored
    EXPECT_EQ(dialog, FindTopWindow("TWL_AUTORUN", NULL, 0)); // and still the only one
    ExitThrough(dialog, launcher);
}

TEST_F(Startup, RunningTitlePreventsALauncher) {
    Process player = StartProcess("E:\\BRINDMOR.EXE", "E:\\");
    ASSERT_NE(nullptr, WaitForTopWindow("TWL_ORB", "Brindlemoor", player.id, kWait));
    launcher = StartLauncher();
    ExpectEndsWithoutWindow(launcher);
    EndProcess(player);
}

TEST_F(Startup, LauncherClassWithAnotherCaptionIsNoMatch) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "TWL_AUTORUN";
    ASSERT_NE(0, RegisterClassA(&wc));
    HWND other = CreateWindowA("TWL_AUTORUN", "Another title", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                               0, 200, 100, NULL, NULL, wc.hInstance, NULL);
    ASSERT_NE(nullptr, other);
    launcher = StartLauncher();
    HWND dialog = ExpectDialog(launcher);
    if (dialog != NULL) {
        char name[64] = "";
        GetClassNameA(dialog, name, sizeof name);
        EXPECT_STREQ("TWL_AUTORUN", name);
        ExitThrough(dialog, launcher);
    }
    DestroyWindow(other);
    UnregisterClassA("TWL_AUTORUN", wc.hInstance);
}
