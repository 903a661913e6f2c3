// The uninstaller's Program Manager clean-up against the raw DDE double, and what it removes.
//
// Wine's own shell also answers "PROGMAN". An initiate reaches top-level windows newest first and
// the client keeps the first acknowledgement, so the double, started after the shell, is the one
// reached. Each test makes sure of it: the double's group list holds its marker group (the shell's
// list is empty), and the double's log shows the uninstaller's own requests and commands.
#include <gtest/gtest.h>

#include "tests/support/machine_state.h"
#include "tests/support/progman_double.h"
#include "tests/support/uninstall_state.h"

#include <string>
#include <vector>

namespace {

const char kTitleItems[] = "[CreateGroup(Tarnwell)]"
                           "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.EXE,Brindlemoor)]"
                           "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.WRI,Brindlemoor Help)]"
                           "[AddItem(C:\\TWL\\BRINDMOR\\brindd95.exe,Brindlemoor Uninstall)]";

const std::vector<std::string> kItemDeletions = {
    "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor)]",
    "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor Help)]",
    "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor Uninstall)]"};

class ProgmanCleanup : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
    }
    void TearDown() override {
        StopProgmanDouble(&pm);
        // The batch of a run must be done before the next test lays out its files.
        WaitForNoTemporaryBatch();
        DeleteTemporaryBatchFiles();
        ResetTitleState();
    }

    // Starts the double, fills it, and checks that this process reaches it and not the shell.
    void StartDouble(const std::string &fill, const std::string &arguments = "") {
        ASSERT_TRUE(StartProgmanDouble(&pm, arguments));
        if (arguments == "/mute")
            return; // it answers nothing; its log shows who reached it
        if (!fill.empty()) {
            ASSERT_TRUE(ProgmanSendCommands(fill));
        }
        std::string groups;
        ASSERT_TRUE(ProgmanRequestText("PROGMAN", &groups));
        ASSERT_NE(std::string::npos, groups.find(DOUBLE_MARKER_GROUP)) << groups;
        logStart = DoubleLog(pm).size();
    }

    void RemoveWithYes() {
        ASSERT_TRUE(PrepareInstalledState());
        DWORD exitCode = 99;
        ASSERT_TRUE(RunUninstaller(INSTALLED_UNINSTALLER, 1002, &exitCode));
        EXPECT_EQ(0u, exitCode);
    }

    std::string GroupContents(const char *group) {
        std::string reply;
        ProgmanRequestText(group, &reply);
        return reply;
    }

    ProgmanDouble pm;
    size_t logStart = 0;
};

} // namespace

TEST_F(ProgmanCleanup, TitlesGroupGoesWithItsThreeItems) {
    StartDouble(kTitleItems);
    RemoveWithYes();
    std::vector<std::string> expected = kItemDeletions;
    expected.push_back("[DeleteGroup(Tarnwell)]");
    EXPECT_EQ(expected, DoubleCommands(pm, logStart));
    std::string groups;
    ASSERT_TRUE(ProgmanRequestText("PROGMAN", &groups));
    EXPECT_EQ(std::string::npos, groups.find("Tarnwell")) << groups;
    // The rest of the removal ran too.
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
}

TEST_F(ProgmanCleanup, FourthItemKeepsTheGroup) {
    StartDouble(std::string(kTitleItems) + "[AddItem(C:\\NOTES.TXT,My notes)]");
    RemoveWithYes();
    EXPECT_EQ(kItemDeletions, DoubleCommands(pm, logStart));
    std::string contents = GroupContents("Tarnwell");
    EXPECT_NE(std::string::npos, contents.find("My notes")) << contents;
    EXPECT_EQ(std::string::npos, contents.find("Brindlemoor")) << contents;
}

TEST_F(ProgmanCleanup, HelpAndUninstallItemsOnlyKeepTheGroup) {
    StartDouble("[CreateGroup(Tarnwell)]"
                "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.WRI,Brindlemoor Help)]"
                "[AddItem(C:\\TWL\\BRINDMOR\\brindd95.exe,Brindlemoor Uninstall)]");
    RemoveWithYes();
    // The title's name is found inside the other two: 3 found against a count of 2.
    EXPECT_EQ(kItemDeletions, DoubleCommands(pm, logStart));
    std::string contents = GroupContents("Tarnwell");
    EXPECT_EQ(0u, contents.find("\"Tarnwell\",")) << "group kept: " << contents;
    EXPECT_EQ(std::string::npos, contents.find("Brindlemoor")) << contents;
}

TEST_F(ProgmanCleanup, NoGroupDeletesNothingInProgmanButRemovesTheRest) {
    StartDouble("[CreateGroup(Tarnwell Classics)][AddItem(C:\\X.EXE,Brindlemoor)]");
    RemoveWithYes();
    // "Tarnwell" is found inside "Tarnwell Classics"; showing "Tarnwell" fails, so no deletion.
    std::vector<std::string> commands = DoubleCommands(pm, logStart);
    EXPECT_EQ(std::vector<std::string>(3, "[ShowGroup(Tarnwell,1)]"), commands);
    EXPECT_NE(std::string::npos, GroupContents("Tarnwell Classics").find("Brindlemoor"));
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_TRUE(WaitUntilGone(INSTALL_FOLDER, 15000));
}

TEST_F(ProgmanCleanup, ItemAddedDuringTheRemovalKeepsTheGroup) {
    // The double adds the user's item when the first deletion arrives: the counts read before no
    // longer hold, and the group must stay with it.
    StartDouble(kTitleItems, "/latecomer \"Added meanwhile\"");
    RemoveWithYes();
    std::vector<std::string> commands = DoubleCommands(pm, logStart);
    EXPECT_EQ(kItemDeletions, commands);
    // The re-check was a request, not a command.
    std::vector<std::string> log = DoubleLog(pm);
    EXPECT_EQ(0, lstrcmpiA("REQUEST Tarnwell", log.back().c_str())) << log.back();
    EXPECT_NE(std::string::npos, GroupContents("Tarnwell").find("Added meanwhile"));
}

TEST_F(ProgmanCleanup, ServerThatNeverAnswersDelaysButDoesNotStopTheRemoval) {
    StartDouble("", "/mute");
    ASSERT_TRUE(PrepareInstalledState());
    DWORD exitCode = 99;
    ASSERT_TRUE(RunUninstaller(INSTALLED_UNINSTALLER, 1002, &exitCode));
    EXPECT_EQ(0u, exitCode);
    std::vector<std::string> log = DoubleLog(pm);
    ASSERT_FALSE(log.empty());
    // The mute double, not the shell, got the uninstaller's conversation; every transaction
    // gave up: the group test found nothing, and no ShowGroup was answered, so no deletion
    // followed.
    std::vector<std::string> tail(log.begin() + long(logStart), log.end());
    ASSERT_FALSE(tail.empty());
    EXPECT_EQ(0, lstrcmpiA("REQUEST PROGMAN", tail.front().c_str())) << tail.front();
    EXPECT_EQ(std::vector<std::string>(3, "[ShowGroup(Tarnwell,1)]"), DoubleCommands(pm, logStart));
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
}

// The uninstaller of the disc for both markets follows the Windows language setting as that
// disc's launcher does: under a German setting it asks in German and removes the items by the
// names a German installation gives them, under any other in English with the English names; the
// group keeps its name in both.
TEST_F(ProgmanCleanup, TheTwoLanguageUninstallerSpeaksTheSettingsLanguage) {
    // The machine's setting comes back however the test ends.
    struct KeptSetting {
        char previous[16] = "";
        bool had = GetProfileStringA("intl", "sLanguage", "", previous, sizeof previous) > 0;
        ~KeptSetting() { WriteProfileStringA("intl", "sLanguage", had ? previous : NULL); }
    } kept;
    const struct {
        const char *setting;
        const wchar_t *question, *yes, *cancel;
        const char *help, *uninstall;
    } languages[] = {
        {"DEU", L"Möchten Sie Brindlemoor wirklich von Ihrem Computer entfernen?", L"Ja",
         L"Abbrechen", "Brindlemoor Hilfe", "Brindlemoor deinstallieren"},
        {"ENU", L"Are you sure you want to delete Brindlemoor from your computer?", L"Yes",
         L"Cancel", "Brindlemoor Help", "Brindlemoor Uninstall"},
        {"FRA", L"Are you sure you want to delete Brindlemoor from your computer?", L"Yes",
         L"Cancel", "Brindlemoor Help", "Brindlemoor Uninstall"},
    };
    for (const auto &language : languages) {
        SCOPED_TRACE(language.setting);
        ASSERT_TRUE(WriteProfileStringA("intl", "sLanguage", language.setting));
        StartDouble("[CreateGroup(Tarnwell)]"
                    "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.EXE,Brindlemoor)]"
                    "[AddItem(C:\\TWL\\BRINDMOR\\BRINDMOR.WRI," +
                    std::string(language.help) +
                    ")]"
                    "[AddItem(C:\\TWL\\BRINDMOR\\brindd95.exe," +
                    language.uninstall + ")]");
        ASSERT_TRUE(PrepareInstalledState());
        ASSERT_TRUE(
            CopyFileA(DistPath("disc-de-en\\brindd95.exe").c_str(), INSTALLED_UNINSTALLER, FALSE));
        Process process = StartProcess(INSTALLED_UNINSTALLER);
        HWND dialog = WaitForConfirmation(process.id, 10000);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(L"Brindlemoor", WideWindowText(dialog));
        EXPECT_EQ(language.question, WideControlText(dialog, 1001));
        EXPECT_EQ(language.yes, WideControlText(dialog, 1002));
        EXPECT_EQ(language.cancel, WideControlText(dialog, 2));
        ClickButton(dialog, 1002);
        DWORD exitCode = 99;
        EXPECT_TRUE(WaitForExit(process, 30000, &exitCode));
        EndProcess(process);
        EXPECT_EQ(0u, exitCode);
        const std::vector<std::string> expected = {
            "[ShowGroup(Tarnwell,1)]", "[DeleteItem(Brindlemoor)]",
            "[ShowGroup(Tarnwell,1)]", "[DeleteItem(" + std::string(language.help) + ")]",
            "[ShowGroup(Tarnwell,1)]", "[DeleteItem(" + std::string(language.uninstall) + ")]",
            "[DeleteGroup(Tarnwell)]"};
        EXPECT_EQ(expected, DoubleCommands(pm, logStart));
        EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        StopProgmanDouble(&pm);
        WaitForNoTemporaryBatch();
        ResetTitleState();
    }
}
