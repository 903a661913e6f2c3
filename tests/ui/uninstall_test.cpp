// The uninstaller as a user meets it: started from Windows' program removal or its registered
// command, asked one question, and everything the launcher installed gone a moment after "Yes".
#include <gtest/gtest.h>

#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

#include <string>

namespace {

const char kQuestion[] = "Are you sure you want to delete Brindlemoor from your computer?";

class Uninstall : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
        ASSERT_TRUE(PrepareInstalledState());
    }
    void TearDown() override {
        EndProcess(process);
        DWORD start = GetTickCount();
        while (!TemporaryBatchFiles().empty() && GetTickCount() - start < 15000)
            Sleep(200);
        DeleteTemporaryBatchFiles();
        ResetTitleState();
    }

    void ExpectNothingRemoved() {
        EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
        EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
        EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY));
        std::string value;
        EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &value));
        EXPECT_NE(std::string::npos, ReadWholeFile(IniPath()).find("Install=" INSTALLED_DATA_FILE));
        EXPECT_TRUE(TemporaryBatchFiles().empty());
    }

    // Everything gone, the program files a few seconds after the uninstaller's exit.
    void ExpectAllRemoved() {
        EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        EXPECT_FALSE(FileExists(IniPath())) << "its only section went, so the file went";
        EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
        EXPECT_TRUE(WaitUntilGone(INSTALL_FOLDER, 15000));
        DWORD start = GetTickCount();
        while (!TemporaryBatchFiles().empty() && GetTickCount() - start < 15000)
            Sleep(200);
        EXPECT_TRUE(TemporaryBatchFiles().empty()) << "the batch deletes the PIF and itself";
    }

    HWND StartDirectly() {
        process = StartProcess(INSTALLED_UNINSTALLER);
        return WaitForConfirmation(process.id, 10000);
    }

    bool EndsWithoutChange(DWORD *exitCode) {
        bool ended = WaitForExit(process, 10000, exitCode);
        Sleep(1000);
        return ended;
    }

    Process process;
};

} // namespace

TEST_F(Uninstall, ConfirmationAsksOnceWithCancelAsDefault) {
    HWND dialog = StartDirectly();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Brindlemoor", WindowText(dialog));
    EXPECT_EQ(kQuestion, ControlText(dialog, 1001));
    EXPECT_EQ("Yes", ControlText(dialog, 1002));
    EXPECT_EQ("Cancel", ControlText(dialog, 2));
    EXPECT_EQ(2, FocusedControlId(dialog));
    EXPECT_NE(0, GetWindowLongA(GetDlgItem(dialog, 2), GWL_STYLE) & BS_DEFPUSHBUTTON);
    // Centred on the screen.
    RECT box;
    GetWindowRect(dialog, &box);
    EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN) / 2, (box.left + box.right) / 2, 2);

    ClickButton(dialog, 2);
    DWORD exitCode = 99;
    ASSERT_TRUE(EndsWithoutChange(&exitCode));
    EXPECT_EQ(0u, exitCode);
    ExpectNothingRemoved();
}

TEST_F(Uninstall, EscEnterAndCloseBoxChangeNothing) {
    const WPARAM keys[] = {VK_ESCAPE, VK_RETURN};
    for (WPARAM key : keys) {
        HWND dialog = StartDirectly();
        ASSERT_NE(nullptr, dialog);
        HWND focused = GetDlgItem(dialog, FocusedControlId(dialog));
        ASSERT_NE(nullptr, focused);
        PostMessageA(focused, WM_KEYDOWN, key, 1);
        PostMessageA(focused, WM_KEYUP, key, 0xC0000001);
        DWORD exitCode = 99;
        ASSERT_TRUE(EndsWithoutChange(&exitCode)) << "key " << key;
        EXPECT_EQ(0u, exitCode);
        ExpectNothingRemoved();
        EndProcess(process);
    }
    HWND dialog = StartDirectly();
    ASSERT_NE(nullptr, dialog);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(EndsWithoutChange(&exitCode));
    ExpectNothingRemoved();
}

TEST_F(Uninstall, YesThroughWindowsProgramRemoval) {
    // Wine's removal tool (the 64-bit one, as a user runs it) must find the entry the 32-bit
    // launcher wrote in the 32-bit view, and start its command.
    std::string tool = "C:\\windows\\sysnative\\uninstaller.exe";
    if (GetFileAttributesA(tool.c_str()) == INVALID_FILE_ATTRIBUTES)
        tool = "C:\\windows\\system32\\uninstaller.exe";
    process = StartProcess(tool + " --remove Brindlemoor");
    HWND dialog = WaitForConfirmation(0, 15000);
    ASSERT_NE(nullptr, dialog) << "the removal tool did not start the registered uninstaller";
    EXPECT_EQ(kQuestion, ControlText(dialog, 1001));
    // The removal runs after the question has gone: it is done when the uninstaller ends.
    DWORD id = 0;
    GetWindowThreadProcessId(dialog, &id);
    Process uninstaller;
    uninstaller.handle = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION,
                                     FALSE, id);
    uninstaller.id = id;
    ClickButton(dialog, 1002);
    DWORD exitCode = 99;
    EXPECT_TRUE(WaitForExit(uninstaller, 30000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EndProcess(uninstaller);
    ExpectAllRemoved();
    EXPECT_FALSE(FolderExists("C:\\TWL")) << "the emptied parent goes too";
}

TEST_F(Uninstall, YesThroughTheRegisteredCommandKeepsTheUsersFolder) {
    ASSERT_TRUE(WriteWholeFile("C:\\TWL\\notes.txt", "mine"));
    std::string command;
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    process = StartProcess(command);
    HWND dialog = WaitForConfirmation(process.id, 10000);
    ASSERT_NE(nullptr, dialog);
    ClickButton(dialog, 1002);
    DWORD exitCode = 99;
    ASSERT_TRUE(WaitForExit(process, 30000, &exitCode));
    EXPECT_EQ(0u, exitCode);
    ExpectAllRemoved();
    EXPECT_TRUE(FileExists("C:\\TWL\\notes.txt"));
    EXPECT_TRUE(FolderExists("C:\\TWL")) << "a folder with the user's file stays";
}

TEST_F(Uninstall, RegistrySwitchDeletesOnlyTheKey) {
    for (int run = 0; run < 2; ++run) { // the second run finds no key
        process = StartProcess(std::string(INSTALLED_UNINSTALLER) + " /registry");
        DWORD exitCode = 99;
        ASSERT_TRUE(WaitForExit(process, 10000, &exitCode)) << "run " << run;
        EXPECT_EQ(0u, exitCode);
        EXPECT_EQ(nullptr, FindTopWindow("#32770", "Brindlemoor", process.id));
        EndProcess(process);
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
        EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
        EXPECT_NE(std::string::npos, ReadWholeFile(IniPath()).find("Install="));
        EXPECT_TRUE(TemporaryBatchFiles().empty());
    }
    // Other capitalisations are no switch: the question comes.
    process = StartProcess(std::string(INSTALLED_UNINSTALLER) + " /Registry");
    HWND dialog = WaitForConfirmation(process.id, 10000);
    ASSERT_NE(nullptr, dialog);
    ClickButton(dialog, 2);
    WaitForExit(process, 10000);
}
