// Setup where it needs an administrator's rights, through launchers whose rights read as those of
// Vista or later: an administrator not elevated (RBRELEV.EXE, whose copy waits after each chunk)
// and a standard user while UAC is off (RBRNOELV.EXE). Under Wine "runas" starts the elevated
// launcher as "open" would, so the hand-off itself runs here; and the elevated launcher started
// directly with what another process could put on its command line.
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
const char kDataFile[] = "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT";

std::string BuiltProgram(const char *name) {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "") + "/" + name);
}

bool NothingInstalled() {
    char value[260] = "";
    GetPrivateProfileStringA("Brindlemoor", "Install", "", value, sizeof value, IniPath().c_str());
    return value[0] == '\0' && !FolderExists("C:\\TWL") && !RegistryKeyExists(UNINSTALL_KEY);
}

// The processes whose parent is `parent` and whose program file has this name.
std::vector<DWORD> ChildrenOf(DWORD parent, const char *name) {
    std::vector<DWORD> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == parent && lstrcmpiA(entry.szExeFile, name) == 0)
            children.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return children;
}

DWORD ParentOf(DWORD process) {
    DWORD parent = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == process)
            parent = entry.th32ParentProcessID;
    CloseHandle(snapshot);
    return parent;
}

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The width of the ink of the Setup button's text in the button's own font: the Setup dialog
// made here from the program's template (font handles belong to their process).
int InkWidthOfSetupButtonText(const std::string &program, const char *text) {
    HMODULE module = LoadLibraryExA(program.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module != NULL
                      ? FindResourceA(module, MAKEINTRESOURCEA(IDD_SETUP), MAKEINTRESOURCEA(5))
                      : NULL;
    HWND dialog = found != NULL
                      ? CreateDialogIndirectParamA(GetModuleHandleA(NULL),
                                                   static_cast<const DLGTEMPLATE *>(
                                                       LockResource(LoadResource(module, found))),
                                                   NULL, Quiet, 0)
                      : NULL;
    const int width = dialog != NULL ? InkWidth(reinterpret_cast<HFONT>(SendDlgItemMessageA(
                                                    dialog, IDC_SETUP_START, WM_GETFONT, 0, 0)),
                                                text)
                                     : 0;
    if (dialog != NULL)
        DestroyWindow(dialog);
    if (module != NULL)
        FreeLibrary(module);
    return width;
}

// The picture's bottom row in black and white only: the copy has not reached it.
bool BottomRowBlackAndWhite(const std::vector<unsigned> &picture) {
    if (picture.size() < size_t(kPictureWidth))
        return false;
    for (size_t x = picture.size() - kPictureWidth; x < picture.size(); ++x)
        if (picture[x] != 0 && picture[x] != 0xFFFFFF)
            return false;
    return true;
}

UINT gProgressMessages = 0;
LRESULT CALLBACK CountProgress(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INSTALLPROGRESS)
        ++gProgressMessages;
    return DefWindowProcA(window, message, wParam, lParam);
}

class SetupRights : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteFileA(playerLog_.c_str());
        SetEnvironmentVariableA("BRINDLE_PLAYER_LOG", playerLog_.c_str());
    }
    void TearDown() override {
        EndProcess(launcher_);
        CloseWindowsOfClass("TWL_ORB");
        ResetTitleState();
    }
    void Start(const char *program) {
        launcher_ = StartProcess(BuiltProgram(program), "E:\\");
        main_ = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher_.id, kWait);
        ASSERT_NE(nullptr, main_);
        Settle(500);
    }
    HWND OpenSetup() {
        ClickButton(main_, IDC_SETUP);
        HWND setup = WaitForTopWindow("#32770", "Setup", launcher_.id, kWait);
        Settle();
        return setup;
    }
    std::string WaitForStatusAfterCopying() {
        std::string status;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 120000; Sleep(100)) {
            status = ControlText(main_, IDC_STATUS);
            if (status != "Copying Files" && status != "Setup must be performed before playing.")
                break;
        }
        return status;
    }
    const std::string playerLog_ = "C:\\player-rights.log";
    Process launcher_;
    HWND main_ = NULL;
};
} // namespace

// The whole way: the shield on Setup's button beside its whole text; one elevated launcher does
// the install while this one keeps answering and fills its picture from the reported progress;
// then "Ready to Play!", and Play starts the player from this launcher, not from the elevated one.
TEST_F(SetupRights, ElevatedInstallReportsHereAndPlayStaysUnelevated) {
    Start("RBRELEV.EXE");
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    SaveWindowShot(setup, "setup-shield.bmp");
    const ShieldButtonPixels button = ReadShieldButton(GetDlgItem(setup, IDC_SETUP_START));
    ASSERT_TRUE(button.shieldFound) << "no shield on the Setup button";
    EXPECT_GE(button.inkLeft, button.shield.right) << "text left of the shield or under it";
    EXPECT_EQ(InkWidthOfSetupButtonText(BuiltProgram("RBRELEV.EXE"), "Setup"),
              button.inkRight - button.inkLeft + 1)
        << "the text is not shown whole";

    ClickButton(setup, IDC_SETUP_START);
    bool sawProgress = false, answered = true;
    DWORD elevated = 0;
    std::string status;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 120000; Sleep(50)) {
        for (DWORD child : ChildrenOf(launcher_.id, "RBRELEV.EXE"))
            elevated = child;
        const std::vector<unsigned> picture =
            PictureOnScreenNow(main_, kPictureWidth, kPictureHeight);
        sawProgress = sawProgress || BottomRowBlackAndWhite(picture);
        DWORD_PTR result = 0;
        answered =
            answered && SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
        status = ControlText(main_, IDC_STATUS);
        if (status != "Copying Files")
            break;
        EXPECT_FALSE(ControlEnabled(main_, IDC_EXIT));
    }
    EXPECT_EQ("Ready to Play!", status);
    EXPECT_NE(0u, elevated) << "no elevated launcher was started";
    EXPECT_TRUE(sawProgress) << "the picture did not show the copy's progress";
    EXPECT_TRUE(answered) << "the launcher stopped answering while it waited";
    EXPECT_TRUE(ReadWholeFile(DiscFolder() + "\\data\\install.qkt") == ReadWholeFile(kDataFile));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_EQ(IDC_PLAY, FocusedControlId(main_));
    EXPECT_TRUE(ChildrenOf(launcher_.id, "RBRELEV.EXE").empty())
        << "the elevated launcher is still running";

    ClickButton(main_, IDC_PLAY);
    HWND player = WaitForTopWindow("TWL_ORB", "Brindlemoor", 0, kWait);
    ASSERT_NE(nullptr, player);
    DWORD playerProcess = 0;
    GetWindowThreadProcessId(player, &playerProcess);
    EXPECT_EQ(launcher_.id, ParentOf(playerProcess)) << "the player was not started from here";
}

// A standard user while UAC is off: no shield, and pressing Setup changes nothing and says why.
TEST_F(SetupRights, WithoutAWayToTheRightsNothingChangesAndTheLineSaysWhy) {
    Start("RBRNOELV.EXE");
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    EXPECT_FALSE(ReadShieldButton(GetDlgItem(setup, IDC_SETUP_START)).shieldFound);
    ClickButton(setup, IDC_SETUP_START);
    EXPECT_EQ("Installing needs an administrator's rights. Nothing has been changed.",
              WaitForStatusAfterCopying());
    EXPECT_TRUE(NothingInstalled());
    EXPECT_TRUE(ChildrenOf(launcher_.id, "RBRNOELV.EXE").empty());
    EXPECT_TRUE(ControlEnabled(main_, IDC_SETUP));
}

// A folder on a network drive: the elevated launcher would not see it, so it is refused with its
// reason before any prompt.
TEST_F(SetupRights, ANetworkDriveIsRefusedBeforeThePrompt) {
    DriveRestorer drives;
    drives.Forget('n');
    ASSERT_TRUE(DefineDrive('n', DriveFolder("network"), DRIVE_REMOTE, "SHARE"));
    Start("RBRELEV.EXE");
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    ClickButton(setup, IDC_SETUP_BROWSE);
    HWND browser = WaitForTopWindow("#32770", "Custom Install", launcher_.id, kWait);
    ASSERT_NE(nullptr, browser);
    Settle();
    TypeInto(browser, IDC_BROWSE_EDIT, "N:\\GAMES");
    ClickButton(browser, IDOK);
    Settle();
    ASSERT_EQ(nullptr, FindTopWindow("#32770", "Custom Install", launcher_.id));
    ASSERT_TRUE(ControlEnabled(setup, IDC_SETUP_START));
    ClickButton(setup, IDC_SETUP_START);
    EXPECT_EQ("Setup cannot install to a network drive. Please choose a local folder.",
              WaitForStatusAfterCopying());
    EXPECT_TRUE(ChildrenOf(launcher_.id, "RBRELEV.EXE").empty())
        << "an elevated launcher was started";
    EXPECT_FALSE(FolderExists("N:\\GAMES"));
    EXPECT_TRUE(NothingInstalled());
}

// The elevated launcher started with what any process could put on its command line: a line that
// is not exactly its own, or a folder a user could not type, installs nothing; a window that is
// not a launcher window of the same program file gets no progress; and it never shows a window.
TEST_F(SetupRights, TheElevatedLauncherChecksItsCommandLine) {
    const std::string program = BuiltProgram("RBRSLOW.EXE");
    auto run = [&](const std::string &arguments, DWORD *code) {
        Process elevated = StartProcess("\"" + program + "\" " + arguments, "C:\\");
        const bool ended = WaitForExit(elevated, 120000, code);
        EXPECT_EQ(nullptr, FindTopWindow(NULL, NULL, elevated.id));
        EndProcess(elevated);
        return ended;
    };
    DWORD code = 0;
    for (const char *line : {"/elevated-install", "/elevated-install \"C:\\TWL\\BRINDMOR\"",
                             "/elevated-install \"C:\\TWL\\BR*ND\" 1",
                             "/elevated-install \"C:\\TWL\\BRINDMOR\" 1 2"}) {
        SCOPED_TRACE(line);
        ASSERT_TRUE(run(line, &code));
        EXPECT_FALSE(OutcomeOfElevatedExit(code).installed);
        EXPECT_TRUE(NothingInstalled());
    }

    // A window of this test's own, of the launcher's class: not the same program file.
    WNDCLASSA type = {};
    type.lpfnWndProc = CountProgress;
    type.hInstance = GetModuleHandleA(NULL);
    type.lpszClassName = "TWL_AUTORUN";
    ASSERT_NE(0, RegisterClassA(&type));
    HWND impostor = CreateWindowA("TWL_AUTORUN", "Brindlemoor", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    ASSERT_NE(nullptr, impostor);
    Process elevated = StartProcess("\"" + program + "\" /elevated-install \"C:\\TWL\\BRINDMOR\" " +
                                        std::to_string(uintptr_t(impostor)),
                                    "C:\\");
    // Its sends would wait for this thread: take messages until it has ended.
    while (MsgWaitForMultipleObjects(1, &elevated.handle, FALSE, 120000, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    ASSERT_TRUE(WaitForExit(elevated, 0, &code));
    EndProcess(elevated);
    DestroyWindow(impostor);
    UnregisterClassA("TWL_AUTORUN", GetModuleHandleA(NULL));
    EXPECT_TRUE(OutcomeOfElevatedExit(code).installed);
    EXPECT_EQ(0u, gProgressMessages) << "progress went to a window of another program";
    EXPECT_TRUE(FileExists(kDataFile));
    ResetTitleState();

    // A launcher window of the same program file gets the progress: its picture shows the copy.
    Start("RBRSLOW.EXE");
    elevated = StartProcess("\"" + program + "\" /elevated-install \"C:\\TWL\\BRINDMOR\" " +
                                std::to_string(uintptr_t(main_)),
                            "C:\\");
    bool sawProgress = false;
    while (!WaitForExit(elevated, 50, &code)) {
        const std::vector<unsigned> picture =
            PictureOnScreenNow(main_, kPictureWidth, kPictureHeight);
        sawProgress = sawProgress || BottomRowBlackAndWhite(picture);
    }
    EndProcess(elevated);
    EXPECT_TRUE(OutcomeOfElevatedExit(code).installed);
    EXPECT_TRUE(sawProgress) << "the launcher's picture did not show the reported progress";
}
