// The uninstaller as a user meets it: started from Windows' program removal or its registered
// command, asked one question, and everything the launcher installed gone a moment after "Yes".
#include <gtest/gtest.h>

#include "tests/support/machine_state.h"
#include "tests/support/progman_double.h"
#include "tests/support/uninstall_state.h"

#include <string>
#include <vector>

namespace {

const char kQuestion[] = "Are you sure you want to delete Brindlemoor from your computer?";
const char kDiscCopy[] = "E:\\brindd95.exe"; // the uninstaller on the title's disc

class Uninstall : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
        ASSERT_TRUE(PrepareInstalledState());
    }
    void TearDown() override {
        EndProcess(process);
        WaitForNoTemporaryBatch();
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
        EXPECT_TRUE(WaitForNoTemporaryBatch()) << "the batch deletes the PIF and itself";
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
    uninstaller.handle =
        OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, id);
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

// From the installed uninstaller and from the disc's copy (which callers run when the installed
// one is gone) alike, "/registry" deletes the key and nothing else, also when it is missing.
TEST_F(Uninstall, RegistrySwitchDeletesOnlyTheKey) {
    for (const std::string &program :
         {std::string(INSTALLED_UNINSTALLER), std::string(kDiscCopy)}) {
        SCOPED_TRACE(program);
        ASSERT_TRUE(PrepareInstalledState());
        for (int run = 0; run < 2; ++run) { // the second run finds no key
            process = StartProcess(program + " /registry");
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
    }
    // Other capitalisations are no switch: the question comes.
    process = StartProcess(std::string(INSTALLED_UNINSTALLER) + " /Registry");
    HWND dialog = WaitForConfirmation(process.id, 10000);
    ASSERT_NE(nullptr, dialog);
    ClickButton(dialog, 2);
    WaitForExit(process, 10000);
}

// The uninstaller on the title's disc, started there (the installed one deleted, say): after Yes
// the installation that the record and the entry name goes whole, its Program Manager items, its
// own uninstaller and its emptied folders included, and nothing of the disc goes, from the CD-ROM
// drive as from a copy of the disc on the hard disk. No batch is made.
TEST_F(Uninstall, TheDiscsUninstallerRemovesTheInstallationAndNothingOfTheDisc) {
    const std::string copy = "C:\\DISCCOPY";
    const char *discFiles[] = {"\\BRINDMOR.EXE", "\\BRINDMOR.WRI", "\\brindd95.exe",
                               "\\data\\install.qkt"};
    for (const std::string &disc : {std::string("E:"), copy}) {
        SCOPED_TRACE(disc);
        ResetTitleState();
        DeleteTree(copy);
        ASSERT_TRUE(PrepareInstalledState());
        if (disc == copy) {
            ASSERT_TRUE(CreateDirectoryA(copy.c_str(), NULL));
            ASSERT_TRUE(CreateDirectoryA((copy + "\\data").c_str(), NULL));
            for (const char *file : discFiles)
                ASSERT_TRUE(
                    CopyFileA((std::string("E:") + file).c_str(), (copy + file).c_str(), FALSE))
                    << file;
        }
        std::vector<std::string> before;
        for (const char *file : discFiles)
            before.push_back(ReadWholeFile(disc + file));

        ProgmanDouble pm;
        ASSERT_TRUE(StartProgmanDouble(&pm));
        ASSERT_TRUE(ProgmanSendCommands(
            "[CreateGroup(Tarnwell)][AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.EXE,Brindlemoor)]"
            "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.WRI,Brindlemoor Help)]"
            "[AddItem(C:\\TWL\\BRINDMOR\\brindd95.exe,Brindlemoor Uninstall)]"));
        const size_t logStart = DoubleLog(pm).size();
        DWORD exitCode = 99;
        const bool ran = RunUninstaller(disc + "\\brindd95.exe", 1002, &exitCode);
        const std::vector<std::string> commands = DoubleCommands(pm, logStart);
        StopProgmanDouble(&pm);
        ASSERT_TRUE(ran);
        EXPECT_EQ(0u, exitCode);

        const std::vector<std::string> expected = {
            "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor)]",
            "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor Help)]",
            "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor Uninstall)]",
            "[DeleteGroup(Tarnwell)]"};
        EXPECT_EQ(expected, commands);
        // Gone by the time the uninstaller ended: nothing is left for a batch to do.
        EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        EXPECT_FALSE(FileExists(INSTALLED_UNINSTALLER));
        EXPECT_FALSE(FolderExists(INSTALL_FOLDER));
        EXPECT_FALSE(FolderExists("C:\\TWL"));
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(before[i], ReadWholeFile(disc + discFiles[i])) << discFiles[i];
        Sleep(2000); // long enough for a batch, had one been started
        EXPECT_TRUE(TemporaryBatchFiles().empty());
        EXPECT_TRUE(FileExists(disc + "\\brindd95.exe"));
    }
    DeleteTree(copy);
}
