// The uninstaller where its removal needs rights its token lacks, through test builds whose rights
// facts say so (Wine runs every program elevated): with elevation possible it asks once, and its
// elevated copy does the whole removal while the first process waits; with elevation impossible
// nothing changes and a box says that an administrator must remove the title.
#include <gtest/gtest.h>

#include "tests/support/machine_state.h"
#include "tests/support/progman_double.h"
#include "tests/support/uninstall_state.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kItems[] = "[CreateGroup(Tarnwell)]"
                      "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.EXE,Brindlemoor)]"
                      "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.WRI,Brindlemoor Help)]"
                      "[AddItem(C:\\TWL\\BRINDMOR\\brindd95.exe,Brindlemoor Uninstall)]";

class UninstallRights : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
        ASSERT_TRUE(PrepareInstalledState());
        ASSERT_TRUE(StartProgmanDouble(&pm, "/clients"));
        ASSERT_TRUE(ProgmanSendCommands(kItems));
        logStart = DoubleLog(pm).size();
    }
    void TearDown() override {
        StopProgmanDouble(&pm);
        WaitForNoTemporaryBatch();
        DeleteTemporaryBatchFiles();
        ResetTitleState();
    }
    // The test build installed in place of the uninstaller.
    static void InstallTestBuild(const char *program) {
        const char *build = std::getenv("BRINDLE_BUILD");
        const std::string path =
            WindowsPathOf(std::string(build != NULL ? build : "/build") + "/" + program);
        ASSERT_TRUE(CopyFileA(path.c_str(), INSTALLED_UNINSTALLER, FALSE)) << path;
    }
    // The client processes that opened a conversation, in order.
    std::vector<DWORD> Clients() const {
        std::vector<DWORD> clients;
        for (const std::string &line : DoubleLog(pm))
            if (line.compare(0, 7, "CLIENT ") == 0)
                clients.push_back(DWORD(std::strtoul(line.c_str() + 7, NULL, 10)));
        return clients;
    }
    ProgmanDouble pm;
    size_t logStart = 0;
};

} // namespace

TEST_F(UninstallRights, ElevationPossibleTheElevatedCopyRemovesEverything) {
    InstallTestBuild("BRDELEV.EXE");
    Process first = StartProcess(INSTALLED_UNINSTALLER);
    HWND dialog = WaitForConfirmation(first.id, 10000);
    ASSERT_NE(nullptr, dialog);
    ClickButton(dialog, 1002);
    // The copy asks nothing: no second question, no box, from any process.
    DWORD exitCode = 99;
    const bool ended = WaitForExit(first, 30000, &exitCode);
    EXPECT_EQ(nullptr, FindTopWindow("#32770", "Brindlemoor"));
    EndProcess(first);
    ASSERT_TRUE(ended);
    EXPECT_EQ(0u, exitCode);
    // The first process waited for its copy: the removal was done when it ended.
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    const std::vector<std::string> expected = {
        "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor)]",
        "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor Help)]",
        "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor Uninstall)]",
        "[DeleteGroup(Tarnwell)]"};
    EXPECT_EQ(expected, DoubleCommands(pm, logStart));
    // Two conversations after the test's own: the first process's facts, then the copy's removal.
    const std::vector<DWORD> clients = Clients();
    ASSERT_EQ(3u, clients.size());
    EXPECT_EQ(first.id, clients[1]);
    EXPECT_NE(first.id, clients[2]) << "the first process removed, not its elevated copy";
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 40000));
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000));
}

TEST_F(UninstallRights, ElevationImpossibleChangesNothingAndSaysSo) {
    InstallTestBuild("BRDNOELV.EXE");
    std::string box;
    DWORD exitCode = 99;
    ASSERT_TRUE(RunUninstallerToBox(INSTALLED_UNINSTALLER, &box, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ("Brindlemoor can only be removed by an administrator. Nothing has been changed.",
              box);
    Sleep(2000); // long enough for a batch or a copy, had one been started
    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    EXPECT_NE(std::string::npos, ReadWholeFile(IniPath()).find("Install=" INSTALLED_DATA_FILE));
    std::string command;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ(INSTALLED_UNINSTALLER, command);
    EXPECT_TRUE(DoubleCommands(pm, logStart).empty()) << "a Program Manager item went";
    EXPECT_EQ(2u, Clients().size()) << "no copy was started";
    EXPECT_TRUE(TemporaryBatchFiles().empty());
}
