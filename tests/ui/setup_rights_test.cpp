// Setup where it needs an administrator's rights, through launchers whose rights read as those of
// Vista or later: an administrator not elevated (RBRELEV.EXE, whose copy waits after each chunk)
// and a standard user while UAC is off (RBRNOELV.EXE). Under Wine "runas" starts the elevated
// launcher as "open" would, so the hand-off itself runs here.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include "launcher/app/elevation.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/ui/main_picture.h"
#include "tests/support/driver.h"
#include "tests/support/drives.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/shield_pixels.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {
const DWORD kWait = 15000;
const int kPictureWidth = 427, kPictureHeight = 360;

std::string BuiltProgram(const char *name) {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "") + "/" + name);
}

bool NothingInstalled() {
    char value[260] = "";
    GetPrivateProfileStringA("Brindlemoor", "Install", "", value, sizeof value, IniPath().c_str());
    return value[0] == '\0' && !FolderExists("C:\\TWL") && !RegistryKeyExists(UNINSTALL_KEY);
}

// The parent of `process`, and whether `parent` has a child running the program file `name`.
DWORD ParentOf(DWORD process, const char *name = NULL, DWORD *child = NULL) {
    DWORD found = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (name == NULL && entry.th32ProcessID == process)
            found = entry.th32ParentProcessID;
        else if (name != NULL && entry.th32ParentProcessID == process &&
                 lstrcmpiA(entry.szExeFile, name) == 0)
            found = *child = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}
bool HasChild(DWORD parent, const char *name) {
    DWORD child = 0;
    return ParentOf(parent, name, &child) != 0;
}

UINT gProgressMessages = 0;
LRESULT CALLBACK CountProgress(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    gProgressMessages += message == WM_INSTALLPROGRESS ? 1 : 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

class SetupRights : public ::testing::Test {
  protected:
    void SetUp() override { ResetTitleState(); }
    void TearDown() override {
        EndProcess(launcher_);
        CloseWindowsOfClass("TWL_ORB");
        ResetTitleState();
    }
    HWND StartAndOpenSetup(const char *program) {
        launcher_ = StartProcess(BuiltProgram(program), "E:\\");
        main_ = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher_.id, kWait);
        if (main_ == NULL)
            return NULL;
        Settle(500);
        ClickButton(main_, IDC_SETUP);
        HWND setup = WaitForTopWindow("#32770", "Setup", launcher_.id, kWait);
        Settle();
        return setup;
    }
    std::string StatusOnceChanged() {
        std::string status;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 120000; Sleep(100))
            if ((status = ControlText(main_, IDC_STATUS)) !=
                "Setup must be performed before playing.")
                break;
        return status;
    }
    Process launcher_;
    HWND main_ = NULL;
};
} // namespace

// The whole way: the shield on Setup's button; one elevated launcher installs while this one keeps
// answering and fills its picture from the reported progress; then "Ready to Play!", and Play
// starts the player from this launcher, not from the elevated one.
TEST_F(SetupRights, ElevatedInstallReportsHereAndPlayStaysUnelevated) {
    HWND setup = StartAndOpenSetup("RBRELEV.EXE");
    ASSERT_NE(nullptr, setup);
    SaveWindowShot(setup, "setup-shield.bmp");
    ASSERT_TRUE(ReadShieldButton(GetDlgItem(setup, IDC_SETUP_START)).shieldFound);
    ClickButton(setup, IDC_SETUP_START);
    bool sawElevated = false, sawProgress = false, answered = true;
    std::string status;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 120000; Sleep(50)) {
        sawElevated = sawElevated || HasChild(launcher_.id, "RBRELEV.EXE");
        const std::vector<unsigned> picture =
            PictureOnScreenNow(main_, kPictureWidth, kPictureHeight);
        // The bottom row black and white only: the copy has not reached it.
        bool blackAndWhite = picture.size() >= size_t(kPictureWidth);
        for (size_t x = picture.size() - kPictureWidth; blackAndWhite && x < picture.size(); ++x)
            blackAndWhite = picture[x] == 0 || picture[x] == 0xFFFFFF;
        sawProgress = sawProgress || blackAndWhite;
        DWORD_PTR result = 0;
        answered =
            answered && SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        if ((status = ControlText(main_, IDC_STATUS)) != "Copying Files")
            break;
        EXPECT_FALSE(ControlEnabled(main_, IDC_EXIT));
    }
    EXPECT_EQ("Ready to Play!", status);
    EXPECT_TRUE(sawElevated) << "no elevated launcher was started";
    EXPECT_TRUE(sawProgress) << "the picture did not show the copy's progress";
    EXPECT_TRUE(answered) << "the launcher stopped answering while it waited";
    EXPECT_TRUE(ReadWholeFile(DiscFolder() + "\\data\\install.qkt") ==
                ReadWholeFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT"));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_FALSE(HasChild(launcher_.id, "RBRELEV.EXE")) << "the outcome came before its end";

    ClickButton(main_, IDC_PLAY);
    HWND player = WaitForTopWindow("TWL_ORB", "Brindlemoor", 0, kWait);
    ASSERT_NE(nullptr, player);
    DWORD playerProcess = 0;
    GetWindowThreadProcessId(player, &playerProcess);
    EXPECT_EQ(launcher_.id, ParentOf(playerProcess)) << "the player was not started from here";
}

// Where the rights cannot be had, or the elevated launcher could not see the folder, pressing
// Setup changes nothing, starts nothing and says why.
TEST_F(SetupRights, NoPromptWhereItCannotHelp) {
    HWND setup = StartAndOpenSetup("RBRNOELV.EXE"); // a standard user while UAC is off
    ASSERT_NE(nullptr, setup);
    EXPECT_FALSE(ReadShieldButton(GetDlgItem(setup, IDC_SETUP_START)).shieldFound);
    ClickButton(setup, IDC_SETUP_START);
    EXPECT_EQ("Installing needs an administrator's rights. Nothing has been changed.",
              StatusOnceChanged());
    EXPECT_TRUE(NothingInstalled());
    EndProcess(launcher_);

    DriveRestorer drives; // a folder on a network drive
    drives.Forget('n');
    ASSERT_TRUE(DefineDrive('n', DriveFolder("network"), DRIVE_REMOTE, "SHARE"));
    setup = StartAndOpenSetup("RBRELEV.EXE");
    ASSERT_NE(nullptr, setup);
    ClickButton(setup, IDC_SETUP_BROWSE);
    HWND browser = WaitForTopWindow("#32770", "Custom Install", launcher_.id, kWait);
    ASSERT_NE(nullptr, browser);
    Settle();
    TypeInto(browser, IDC_BROWSE_EDIT, "N:\\GAMES");
    ClickButton(browser, IDOK);
    Settle();
    ClickButton(setup, IDC_SETUP_START);
    EXPECT_EQ("Setup cannot install to a network drive. Please choose a local folder.",
              StatusOnceChanged());
    EXPECT_FALSE(HasChild(launcher_.id, "RBRELEV.EXE"));
    EXPECT_TRUE(NothingInstalled());
}

// The elevated launcher started with what any process could put on its command line: a folder a
// user could not type installs nothing, and a window of the launcher's class in a process that
// runs another program gets no progress; it never shows a window.
TEST_F(SetupRights, TheElevatedLauncherChecksItsCommandLine) {
    const std::string program = "\"" + BuiltProgram("RBRSLOW.EXE") + "\" /elevated-install ";
    Process elevated = StartProcess(program + "\"C:\\TWL\\BR*ND\" 1", "C:\\");
    DWORD code = 0;
    ASSERT_TRUE(WaitForExit(elevated, kWait, &code));
    EndProcess(elevated);
    EXPECT_FALSE(OutcomeOfElevatedExit(code).installed);
    EXPECT_TRUE(NothingInstalled());

    WNDCLASSA type = {};
    type.lpfnWndProc = CountProgress;
    type.hInstance = GetModuleHandleA(NULL);
    type.lpszClassName = "TWL_AUTORUN";
    ASSERT_NE(0, RegisterClassA(&type));
    HWND impostor = CreateWindowA("TWL_AUTORUN", "Brindlemoor", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    elevated = StartProcess(
        program + "\"C:\\TWL\\BRINDMOR\" " + std::to_string(uintptr_t(impostor)), "C:\\");
    // Messages sent to this thread's window wait for it: take them until the launcher has ended.
    bool showedWindow = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 120000;) {
        if (MsgWaitForMultipleObjects(1, &elevated.handle, FALSE, 100, QS_ALLINPUT) ==
            WAIT_OBJECT_0)
            break;
        showedWindow = showedWindow || FindTopWindow(NULL, NULL, elevated.id) != NULL;
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    EXPECT_FALSE(showedWindow);
    ASSERT_TRUE(WaitForExit(elevated, 0, &code));
    EndProcess(elevated);
    DestroyWindow(impostor);
    UnregisterClassA("TWL_AUTORUN", GetModuleHandleA(NULL));
    EXPECT_TRUE(OutcomeOfElevatedExit(code).installed);
    EXPECT_EQ(0u, gProgressMessages) << "progress went to a window of another program";
}
