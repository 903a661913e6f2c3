// Setup and the removal ended from outside at each instant between two of their steps (and during
// the copy), as by a power loss or a user ending a program that looks hung. Each row ends a real
// install (CUTSETUP.EXE) or a real removal (CUTDEL.EXE, in the uninstaller's place) at its instant
// by TerminateProcess of itself, then checks what the next start of the launcher shows, that a
// working earlier installation still plays, that the next Setup completes and that the uninstaller
// then removes everything, its folder included. docs/cut-off.md has the table of instants.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const char kRequired[] = "Setup must be performed before playing.";
const char kIncomplete[] = "Existing setup is incomplete. Rerun setup before playing.";
const char kInstalled[] = ""; // no status line: Play is the way on

std::string Built(const char *program) {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "") + "/" + program);
}

// Runs a command line to its end; its exit code (99 when it did not end in time).
DWORD RunToEnd(const std::string &commandLine) {
    Process process = StartProcess(commandLine);
    DWORD code = 99;
    WaitForExit(process, 60000, &code);
    EndProcess(process);
    return code;
}

std::string IniValue() {
    char value[300] = "";
    GetPrivateProfileStringA("Brindlemoor", "Install", "", value, sizeof value, IniPath().c_str());
    return value;
}

// What the launcher shows when it is started now: its status line ("" when the installed state
// hides it), and whether Play can be pressed.
std::string LauncherShows(bool *playEnabled) {
    Process launcher;
    HWND main = StartLauncherFromDisc(&launcher);
    std::string shown = "(no launcher window)";
    if (main != NULL) {
        shown = ControlVisible(main, IDC_STATUS) ? ControlText(main, IDC_STATUS) : "";
        *playEnabled = ControlEnabled(main, IDC_PLAY);
    }
    EndProcess(launcher);
    return shown;
}

// The files of the install folder, by name.
std::vector<std::string> FolderFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(INSTALL_FOLDER) + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class CutOff : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
    }
    void TearDown() override {
        DeleteTemporaryBatchFiles();
        ResetTitleState();
    }
    // The installation plays: its data file whole where the record says, and the entry naming an
    // uninstaller that is there.
    static void ExpectPlays() {
        EXPECT_EQ(INSTALLED_DATA_FILE, IniValue());
        EXPECT_TRUE(ReadWholeFile(DiscFolder() + "\\data\\install.qkt") ==
                    ReadWholeFile(INSTALLED_DATA_FILE))
            << "the data file is not whole";
        std::string command;
        EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
        EXPECT_EQ(INSTALLED_UNINSTALLER, command);
        EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    }
    // The next Setup completes, and leaves nothing beside its two files; its uninstaller then
    // removes everything, its folder included.
    static void ExpectSetupThenRemovalPutItRight() {
        EXPECT_EQ(0u, RunToEnd(Built("CUTSETUP.EXE"))) << "the next Setup did not complete";
        ExpectPlays();
        EXPECT_EQ(std::vector<std::string>({"BRINDMOR.QKT", "brindd95.exe"}), FolderFiles());
        ExpectRemovedWhole();
    }
    static void ExpectRemovedWhole() {
        DWORD code = 99;
        ASSERT_TRUE(RunUninstaller(INSTALLED_UNINSTALLER, 1002, &code));
        EXPECT_TRUE(WaitUntilGone("C:\\TWL", 20000)) << "the folder stayed";
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    }
};
} // namespace

TEST_F(CutOff, SetupEndedAtEachInstant) {
    const struct {
        const char *cut; // CUTSETUP.EXE's argument: before step N, after the last (8), mid-copy
        bool overWorking;
        const char *shown;
    } rows[] = {
        {"0", false, kRequired},  {"copy", false, kRequired}, {"1", false, kRequired},
        {"2", false, kRequired},  {"3", false, kRequired},    {"4", false, kRequired},
        {"5", false, kRequired},  {"6", false, kRequired},    {"7", false, kRequired},
        {"8", false, kInstalled}, {"0", true, kInstalled},    {"copy", true, kInstalled},
        {"1", true, kInstalled},  {"2", true, kInstalled},    {"3", true, kInstalled},
        {"4", true, kInstalled},  {"5", true, kInstalled},    {"6", true, kInstalled},
        {"7", true, kInstalled},  {"8", true, kInstalled},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("cut ") + row.cut +
                     (row.overWorking ? " over a working installation" : " into an empty folder"));
        ResetTitleState();
        if (row.overWorking) {
            ASSERT_EQ(0u, RunToEnd(Built("CUTSETUP.EXE")));
        }
        EXPECT_EQ(3u, RunToEnd(Built("CUTSETUP.EXE") + " " + row.cut)) << "it did not end itself";
        bool play = false;
        EXPECT_EQ(row.shown, LauncherShows(&play));
        const bool installed = std::string(row.shown).empty();
        EXPECT_EQ(installed, play);
        if (installed)
            ExpectPlays();
        ExpectSetupThenRemovalPutItRight();
    }
}

TEST_F(CutOff, RemovalEndedAtEachInstant) {
    // The removal's steps: side names, Program Manager items, components, the data file, the
    // record, the entry, the self-deletion batch; 7: after them, before the batch is started.
    const struct {
        int cut;
        const char *shown;
    } rows[] = {{0, kInstalled},  {1, kInstalled}, {2, kInstalled}, {3, kInstalled},
                {4, kIncomplete}, {5, kRequired},  {6, kRequired},  {7, kRequired}};
    for (const auto &row : rows) {
        SCOPED_TRACE("removal cut before step " + std::to_string(row.cut));
        ResetTitleState();
        DeleteTemporaryBatchFiles();
        ASSERT_EQ(0u, RunToEnd(Built("CUTSETUP.EXE")));
        ASSERT_TRUE(CopyFileA(Built("CUTDEL.EXE").c_str(), INSTALLED_UNINSTALLER, FALSE));
        EXPECT_EQ(3u, RunToEnd(std::string(INSTALLED_UNINSTALLER) + " " + std::to_string(row.cut)))
            << "it did not end itself";
        bool play = false;
        EXPECT_EQ(row.shown, LauncherShows(&play));
        const bool installed = std::string(row.shown).empty();
        EXPECT_EQ(installed, play);
        if (installed)
            ExpectPlays();
        // Whatever still names the uninstaller finds it there.
        if (RegistryKeyExists(UNINSTALL_KEY)) {
            EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
        }
        EXPECT_EQ(row.cut == 7, !TemporaryBatchFiles().empty())
            << "a batch is left only when it was written and never started";
        // The removal run again, by the real uninstaller, finishes it.
        ASSERT_TRUE(CopyFileA(DistPath("BRINDDEL.EXE").c_str(), INSTALLED_UNINSTALLER, FALSE));
        ExpectRemovedWhole();
    }
}

// Setup run into another folder while the removal goes on gives the record and the entry to that
// installation: asked again just before each is deleted, they are left to it, and the removal
// still takes its own folder whole.
TEST_F(CutOff, ARecordAndEntryTakenMeanwhileStay) {
    ASSERT_EQ(0u, RunToEnd(Built("CUTSETUP.EXE")));
    ASSERT_TRUE(CopyFileA(Built("CUTDEL.EXE").c_str(), INSTALLED_UNINSTALLER, FALSE));
    EXPECT_EQ(0u, RunToEnd(std::string(INSTALLED_UNINSTALLER) + " take 4")); // before the record
    EXPECT_TRUE(WaitUntilGone(INSTALL_FOLDER, 20000)) << "its own folder stayed";
    EXPECT_EQ("C:\\TWL\\OTHER\\BRINDMOR.QKT", IniValue());
    std::string command;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ("C:\\TWL\\OTHER\\brindd95.exe", command);
}
