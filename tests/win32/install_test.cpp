// Install plans carried out against real files, BRINDMOR.INI and the registry, from the disc in
// drive E:: each kind of step for real, each kind of failure, and a failure at each step undone.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "common/text.h"
#include "launcher/app/progress_post.h"
#include "launcher/core/install_state.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install.h"
#include "launcher/setup/install_facts.h"
#include "launcher/setup/folder_security.h"
#include "launcher/ui/main_picture.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

#include <sddl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
const char kDefaultFolder[] = "C:\\TWL\\BRINDMOR";
const char kOtherFolder[] = "C:\\TWL\\OTHER PLACE";

std::string DiscFile(const std::string &relative) {
    return DiscFolder() + "\\" + relative;
}

// The names in one INI section ("key=value" entries), or the section names when section is NULL.
std::vector<std::string> IniEntries(const char *section) {
    std::vector<char> buffer(8192, '\0');
    DWORD length = section != NULL
                       ? GetPrivateProfileSectionA(section, buffer.data(), DWORD(buffer.size()),
                                                   IniPath().c_str())
                       : GetPrivateProfileSectionNamesA(buffer.data(), DWORD(buffer.size()),
                                                        IniPath().c_str());
    std::vector<std::string> entries;
    for (DWORD at = 0; at < length && buffer[at] != '\0';) {
        std::string entry(&buffer[at]);
        entries.push_back(entry);
        at += DWORD(entry.size() + 1);
    }
    return entries;
}

// The stored size of a registry value, terminator included.
DWORD RegistryValueSize(const char *key, const char *name) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return 0;
    DWORD size = 0;
    RegQueryValueExA(handle, name, NULL, NULL, NULL, &size);
    RegCloseKey(handle);
    return size;
}

// The files and folders below a folder, with their contents ("" for a folder).
void ListTree(const std::string &folder, std::vector<std::string> *entries) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entries->push_back(path + "\\");
            ListTree(path, entries);
        } else {
            entries->push_back(path + "=" + ReadWholeFile(path));
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Everything of an installation a failed install must leave as it found it: every entry value
// raw (name, type and bytes), whatever wrote it.
struct Machine {
    std::vector<std::string> files, sections, record, entryValues;
    bool entry;
};
Machine Snapshot() {
    Machine machine;
    ListTree("C:\\TWL", &machine.files);
    machine.sections = IniEntries(NULL);
    machine.record = IniEntries("Brindlemoor");
    machine.entry = RegistryKeyExists(UNINSTALL_KEY);
    machine.entryValues = RegistryValues(UNINSTALL_KEY);
    return machine;
}
void ExpectSame(const Machine &before, const Machine &after) {
    EXPECT_EQ(before.files, after.files);
    EXPECT_EQ(before.sections, after.sections);
    EXPECT_EQ(before.record, after.record);
    EXPECT_EQ(before.entry, after.entry);
    EXPECT_EQ(before.entryValues, after.entryValues);
}

std::vector<unsigned> gProgress;
void Record(void *, unsigned percent) {
    gProgress.push_back(percent);
}

// A step that does its work and then reports a failure, as one that failed at its very end.
template <InstallStep step> bool DoneThenFailed(InstallRun &run) {
    RealInstallSteps().run[step](run);
    return false;
}
InstallSteps FailingAt(InstallStep step) {
    InstallSteps steps = RealInstallSteps();
    bool (*failing[kInstallSteps])(InstallRun &) = {DoneThenFailed<StepDataCopy>,
                                                    DoneThenFailed<StepDataKeptAside>,
                                                    DoneThenFailed<StepDataInPlace>,
                                                    DoneThenFailed<StepUninstallerCopy>,
                                                    DoneThenFailed<StepUninstallerKeptAside>,
                                                    DoneThenFailed<StepUninstallerInPlace>,
                                                    DoneThenFailed<StepEntry>,
                                                    DoneThenFailed<StepRecord>};
    steps.run[step] = failing[step];
    return steps;
}

class InstallPlanRun : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        strings_ =
            LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        SetStringSource(strings_, LANG_BASE_ENGLISH);
    }
    static void TearDownTestSuite() { FreeLibrary(strings_); }

    void SetUp() override {
        ASSERT_NE(nullptr, strings_);
        ResetTitleState();
        gProgress.clear();
    }
    void TearDown() override { ResetTitleState(); }

    // The facts as the Setup command gathers them, with the title's disc in E:.
    static InstallFacts Facts() {
        InstallFacts facts = {};
        facts.titleFound = true;
        DiscFile("data\\install.qkt").copy(facts.dataSource, sizeof facts.dataSource - 1);
        DiscFile("brindd95.exe").copy(facts.uninstallerSource, sizeof facts.uninstallerSource - 1);
        GatherInstallFacts(&facts);
        return facts;
    }

    // Plans and carries out an install into the folder, and checks that it left no file open
    // behind it: an exclusive open fails with a sharing violation while another handle is open.
    static InstallOutcome Install(const char *folder, const InstallFacts &facts = Facts(),
                                  const InstallSteps &steps = RealInstallSteps()) {
        InstallChoice choice = {};
        CopyText(choice.folder, sizeof choice.folder, folder);
        const InstallPlan plan = PlanInstall(choice, facts);
        const InstallOutcome outcome = CarryOutInstall(plan, ProgressSink{Record, nullptr}, steps);
        for (const std::string &path :
             {DiscFile("data\\install.qkt"), std::string(folder) + "\\BRINDMOR.QKT"}) {
            HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
            if (file != INVALID_HANDLE_VALUE)
                CloseHandle(file);
            else
                EXPECT_NE(DWORD(ERROR_SHARING_VIOLATION), GetLastError()) << path << " left open";
        }
        return outcome;
    }

    // Nothing of a first install may be left behind, and the progress still ended at 100.
    static void ExpectNothingInstalled(const char *folder) {
        EXPECT_FALSE(FileExists(std::string(folder) + "\\BRINDMOR.QKT"));
        EXPECT_FALSE(FileExists(std::string(folder) + "\\BRINDMOR.QK~"));
        EXPECT_FALSE(FileExists(std::string(folder) + "\\brindd95.exe"));
        EXPECT_TRUE(IniEntries(NULL).empty());
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        ASSERT_GE(gProgress.size(), 2u);
        EXPECT_EQ(0u, gProgress.front());
        EXPECT_EQ(100u, gProgress.back());
    }

    static HMODULE strings_;
};
HMODULE InstallPlanRun::strings_ = NULL;
} // namespace

TEST_F(InstallPlanRun, FirstInstallIntoTheDefaultFolder) {
    ASSERT_FALSE(FolderExists("C:\\TWL"));
    ASSERT_TRUE(Install(kDefaultFolder).installed);

    EXPECT_TRUE(FolderExists("C:\\TWL\\BRINDMOR"));
    std::string source = ReadWholeFile(DiscFile("data\\install.qkt"));
    ASSERT_GT(source.size(), 32768u);
    std::string copied = ReadWholeFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT");
    EXPECT_EQ(source.size(), copied.size());
    EXPECT_TRUE(source == copied) << "the data file differs from the disc's";

    EXPECT_EQ(std::vector<std::string>({"Brindlemoor"}), IniEntries(NULL));
    EXPECT_EQ(std::vector<std::string>({"Install=C:\\TWL\\BRINDMOR\\BRINDMOR.QKT"}),
              IniEntries("Brindlemoor"));

    // The two values peers rely on, and what Windows' list shows: the icon, version, publisher,
    // folder and size, and no Modify or Repair.
    EXPECT_EQ(9, RegistryValueCount(UNINSTALL_KEY));
    std::string name, command;
    DWORD nameType = 0, commandType = 0;
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "DisplayName", &name, &nameType));
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command, &commandType));
    EXPECT_EQ("Brindlemoor", name);
    EXPECT_EQ("C:\\TWL\\BRINDMOR\\brindd95.exe", command);
    EXPECT_EQ(DWORD(REG_SZ), nameType);
    EXPECT_EQ(DWORD(REG_SZ), commandType);
    EXPECT_EQ(DWORD(name.size() + 1), RegistryValueSize(UNINSTALL_KEY, "DisplayName"));
    EXPECT_EQ(DWORD(command.size() + 1), RegistryValueSize(UNINSTALL_KEY, "UninstallString"));
    EXPECT_TRUE(ReadWholeFile(DiscFile("brindd95.exe")) == ReadWholeFile(command));
    EXPECT_EQ(SetupComplete, GetInstallState());
    const unsigned kb = unsigned((source.size() + ReadWholeFile(command).size() + 1023) / 1024);
    auto text = [](const char *name, const std::string &value) {
        return RegistryValueText(name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
    };
    auto dword = [](const char *name, DWORD value) {
        return RegistryValueText(name, REG_DWORD, &value, sizeof value);
    };
    const std::vector<std::string> values = RegistryValues(UNINSTALL_KEY);
    for (const std::string &expected :
         {text("DisplayIcon", command + ",0"), text("DisplayVersion", "1.0"),
          dword("EstimatedSize", kb), text("InstallLocation", kDefaultFolder), dword("NoModify", 1),
          dword("NoRepair", 1), text("Publisher", "Tarnwell, Inc.")})
        EXPECT_NE(values.end(), std::find(values.begin(), values.end(), expected)) << expected;

    size_t chunks = (source.size() + 32766) / 32767;
    ASSERT_EQ(chunks + 2, gProgress.size());
    EXPECT_EQ(0u, gProgress.front());
    EXPECT_EQ(100u, gProgress[chunks]);
    EXPECT_EQ(100u, gProgress.back());
    for (size_t i = 1; i < gProgress.size(); ++i)
        EXPECT_LE(gProgress[i - 1], gProgress[i]) << "message " << i;
}

TEST_F(InstallPlanRun, AReadOnlyUninstallerOnTheSourceArrivesWritable) {
    std::string source = DiscFile("brindd95.exe");
    DWORD attributes = GetFileAttributesA(source.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    ASSERT_TRUE(SetFileAttributesA(source.c_str(), attributes | FILE_ATTRIBUTE_READONLY));
    ASSERT_NE(0u, GetFileAttributesA(source.c_str()) & FILE_ATTRIBUTE_READONLY);
    const bool installed = Install(kDefaultFolder).installed;
    SetFileAttributesA(source.c_str(), attributes);
    ASSERT_TRUE(installed);

    DWORD copied = GetFileAttributesA("C:\\TWL\\BRINDMOR\\brindd95.exe");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, copied);
    EXPECT_EQ(0u, copied & FILE_ATTRIBUTE_READONLY);
}

// Installing again: into another folder the record and the entry move there; into the same
// folder the files are replaced (stale copies of an interrupted install are no obstacle) and the
// earlier files kept aside meanwhile are gone afterwards.
TEST_F(InstallPlanRun, InstallingAgainReplacesTheRecordTheEntryAndTheFiles) {
    ASSERT_TRUE(Install(kDefaultFolder).installed);
    ASSERT_TRUE(Install(kOtherFolder).installed);
    EXPECT_EQ(std::vector<std::string>({"Install=C:\\TWL\\OTHER PLACE\\BRINDMOR.QKT"}),
              IniEntries("Brindlemoor"));
    EXPECT_EQ(9, RegistryValueCount(UNINSTALL_KEY));
    std::string command, location;
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ("\"C:\\TWL\\OTHER PLACE\\brindd95.exe\"", command);
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "InstallLocation", &location));
    EXPECT_EQ(kOtherFolder, location);
    EXPECT_TRUE(FileExists("C:\\TWL\\OTHER PLACE\\brindd95.exe"));
    EXPECT_TRUE(ReadWholeFile(DiscFile("data\\install.qkt")) ==
                ReadWholeFile("C:\\TWL\\OTHER PLACE\\BRINDMOR.QKT"));

    const std::string data = std::string(kDefaultFolder) + "\\BRINDMOR.QKT";
    ASSERT_TRUE(WriteWholeFile(data, "an older data file"));
    for (const char *stale : {"\\BRINDMOR.QK~", "\\brindd95.ex~"}) {
        const std::string path = kDefaultFolder + std::string(stale);
        ASSERT_TRUE(WriteWholeFile(path, "left by an interrupted install"));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ASSERT_TRUE(Install(kDefaultFolder).installed);
    EXPECT_TRUE(ReadWholeFile(DiscFile("data\\install.qkt")) == ReadWholeFile(data));
    std::vector<std::string> files;
    ListTree(kDefaultFolder, &files);
    EXPECT_EQ(2u, files.size()) << "only the data file and the uninstaller stay";
    EXPECT_EQ(std::vector<std::string>({"Install=" + data}), IniEntries("Brindlemoor"));
}

// A data file that cannot be read, and one that cannot be written: the copy ends at once, and
// nothing of the install is left, not even a folder for a copy that cannot start.
TEST_F(InstallPlanRun, ACopyThatCannotStartLeavesNothing) {
    for (bool missingSource : {true, false}) {
        SCOPED_TRACE(missingSource ? "missing source" : "destination cannot be created");
        ResetTitleState();
        gProgress.clear();
        InstallFacts facts = Facts();
        if (missingSource)
            DiscFile("data\\missing.qkt").copy(facts.dataSource, sizeof facts.dataSource);
        else
            ASSERT_TRUE(WriteWholeFile("C:\\TWL", "a file where the folder should be"));
        const InstallOutcome outcome = Install(kDefaultFolder, facts);
        EXPECT_FALSE(outcome.installed);
        EXPECT_EQ(StepDataCopy, outcome.failedStep);
        ExpectNothingInstalled(kDefaultFolder);
        EXPECT_EQ(std::vector<unsigned>({0, 100}), gProgress);
        if (missingSource)
            EXPECT_FALSE(FolderExists("C:\\TWL"));
        else
            EXPECT_EQ("a file where the folder should be", ReadWholeFile("C:\\TWL"));
    }
}

TEST_F(InstallPlanRun, AMissingUninstallerUndoesTheDataFileAndTheFolders) {
    InstallFacts facts = Facts();
    DiscFile("missing.exe").copy(facts.uninstallerSource, sizeof facts.uninstallerSource);
    const InstallOutcome outcome = Install(kDefaultFolder, facts);
    EXPECT_FALSE(outcome.installed);
    EXPECT_EQ(StepUninstallerCopy, outcome.failedStep);
    EXPECT_FALSE(outcome.accessDenied) << "a missing file is no question of rights";
    ExpectNothingInstalled(kDefaultFolder);
    EXPECT_FALSE(FileExists(std::string(kDefaultFolder) + "\\brindd95.ex~"));
    EXPECT_FALSE(FileExists(IniPath())) << "nothing was recorded";
    EXPECT_FALSE(FolderExists("C:\\TWL")) << "the folders this install made went too";
}

// The working data file is never given up to make room: when the copy cannot be put in its place
// (here the name an earlier file is kept under is taken by a folder), the install fails and the
// installation that worked stays as it was.
TEST_F(InstallPlanRun, AFailedMoveKeepsTheWorkingDataFile) {
    ASSERT_TRUE(Install(kDefaultFolder).installed);
    const std::string data = std::string(kDefaultFolder) + "\\BRINDMOR.QKT";
    ASSERT_TRUE(WriteWholeFile(data, "the working data file"));
    const std::string blocker = std::string(kDefaultFolder) + "\\BRINDMOR.QK#";
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), NULL));
    ASSERT_TRUE(WriteWholeFile(blocker + "\\inside", "keeps the folder from going"));
    const Machine before = Snapshot();

    const InstallOutcome outcome = Install(kDefaultFolder);
    EXPECT_FALSE(outcome.installed);
    EXPECT_EQ(StepDataKeptAside, outcome.failedStep);
    ExpectSame(before, Snapshot());
    EXPECT_EQ(SetupComplete, GetInstallState());
}

// A failure at each step, after the step did its work: everything this install did is undone, in
// the same folder as an earlier installation and in another, and the earlier installation is
// exactly as it was and still counts as installed: its entry's values byte for byte, those of
// types and names the launcher never writes included, and the keys beside its record.
TEST_F(InstallPlanRun, AFailureAtEachStepUndoesTheInstallAndKeepsThePreviousOne) {
    for (const char *folder : {kDefaultFolder, kOtherFolder})
        for (int step = StepDataCopy; step < kInstallSteps; ++step) {
            SCOPED_TRACE(std::string(folder) + ", step " + std::to_string(step));
            ResetTitleState();
            ASSERT_TRUE(Install(kDefaultFolder).installed);
            // Contents that differ from the disc's, so that a replaced file would show.
            ASSERT_TRUE(WriteWholeFile(std::string(kDefaultFolder) + "\\BRINDMOR.QKT", "working"));
            ASSERT_TRUE(WriteWholeFile(std::string(kDefaultFolder) + "\\brindd95.exe", "old"));
            const char expand[] = "%SystemDrive%\\TWL\\BRINDMOR\\brindd95.exe";
            ASSERT_TRUE(SetRegistryValue(UNINSTALL_KEY, "UninstallString", REG_EXPAND_SZ, expand,
                                         sizeof expand));
            const BYTE foreign[] = {0, 1, 2, 0xFF};
            ASSERT_TRUE(SetRegistryValue(UNINSTALL_KEY, "Comments", REG_BINARY, foreign, 4));
            ASSERT_TRUE(
                WritePrivateProfileStringA("Brindlemoor", "Other", "kept", IniPath().c_str()));
            const Machine before = Snapshot();
            gProgress.clear();

            const InstallOutcome outcome = Install(folder, Facts(), FailingAt(InstallStep(step)));
            EXPECT_FALSE(outcome.installed);
            EXPECT_EQ(step, outcome.failedStep);
            ExpectSame(before, Snapshot());
            EXPECT_EQ(SetupComplete, GetInstallState());
            ASSERT_FALSE(gProgress.empty());
            EXPECT_EQ(100u, gProgress.back());
        }
}

// Without an earlier installation, a failure at the entry's step leaves no key, not even one
// that holds one value; one at the record's leaves no key of ours in BRINDMOR.INI, and what
// others keep in the title's section stays.
TEST_F(InstallPlanRun, AFailureWithoutAnEarlierInstallationLeavesOnlyWhatOthersKept) {
    InstallOutcome outcome = Install(kDefaultFolder, Facts(), FailingAt(StepEntry));
    EXPECT_FALSE(outcome.installed);
    ExpectNothingInstalled(kDefaultFolder);
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_EQ(SetupRequired, GetInstallState());

    ASSERT_TRUE(WritePrivateProfileStringA("Brindlemoor", "Other", "kept", IniPath().c_str()));
    gProgress.clear();
    outcome = Install(kDefaultFolder, Facts(), FailingAt(StepRecord));
    EXPECT_FALSE(outcome.installed);
    EXPECT_FALSE(FolderExists("C:\\TWL"));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_EQ(std::vector<std::string>({"Other=kept"}), IniEntries("Brindlemoor"));
    EXPECT_EQ(SetupRequired, GetInstallState());
}

// A write refused for want of access is told apart from every other failure: here the record's
// (a folder where BRINDMOR.INI should be refuses the profile call with access denied), after the
// files and the entry were in place; everything is undone all the same.
TEST_F(InstallPlanRun, TheOutcomeSaysWhenAccessWasDenied) {
    ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), NULL));
    const InstallOutcome outcome = Install(kDefaultFolder);
    RemoveDirectoryA(IniPath().c_str());
    EXPECT_FALSE(outcome.installed);
    EXPECT_EQ(StepRecord, outcome.failedStep);
    EXPECT_TRUE(outcome.accessDenied);
    EXPECT_FALSE(FileExists(std::string(kDefaultFolder) + "\\brindd95.exe"));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_FALSE(FolderExists("C:\\TWL"));
}

namespace {
// Permissions as a descriptor holds them: "P" when nothing is inherited, then each entry as its
// account, rights and inheritance ("S-1-5-18 1f01ff 3").
std::vector<std::string> Permissions(PSECURITY_DESCRIPTOR descriptor) {
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    BOOL present = FALSE, defaulted = FALSE;
    PACL acl = NULL;
    if (descriptor == NULL || !GetSecurityDescriptorControl(descriptor, &control, &revision) ||
        !GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) || !present ||
        acl == NULL)
        return {"no permissions"};
    std::vector<std::string> entries = {(control & SE_DACL_PROTECTED) ? "P" : "inherits"};
    for (DWORD i = 0; i < acl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE *ace = NULL;
        char *sid = NULL;
        if (!GetAce(acl, i, reinterpret_cast<void **>(&ace)) ||
            ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE ||
            !ConvertSidToStringSidA(&ace->SidStart, &sid)) {
            entries.push_back("an entry that grants nothing");
            continue;
        }
        char entry[96];
        snprintf(entry, sizeof entry, "%s %lx %x", sid, static_cast<unsigned long>(ace->Mask),
                 unsigned(ace->Header.AceFlags));
        entries.push_back(entry);
        LocalFree(sid);
    }
    return entries;
}
} // namespace

// The folders the install makes are administrators' alone to change: the system and the
// administrators may do anything, the machine's users read and run, and nothing is inherited
// from the drive's root. Read from the descriptor the install creates its folders with, as the
// system's own call made it from the text: Wine 8 does not keep a folder's permissions (a folder
// made or set with them reads back with its defaults), so the folders themselves cannot show it.
TEST_F(InstallPlanRun, OnlyAdministratorsMayChangeTheFoldersItMakes) {
    FolderSecurity security;
    MakeFolderSecurity(&security);
    ASSERT_EQ(&security.storage, security.attributes);
    EXPECT_EQ(std::vector<std::string>(
                  {"P", "S-1-5-18 1f01ff 3", "S-1-5-32-544 1f01ff 3", "S-1-5-32-545 1200a9 3"}),
              Permissions(security.attributes->lpSecurityDescriptor));
    EXPECT_FALSE(security.attributes->bInheritHandle);
    FreeFolderSecurity(&security);
    EXPECT_EQ(nullptr, security.attributes);
}

TEST_F(InstallPlanRun, WinesProgramListShowsTheTitleAfterAnInstall) {
    std::string listing = "C:\\uninstaller-list.txt";
    auto list = [&listing]() {
        DeleteFileA(listing.c_str());
        Process process = StartProcess("cmd.exe /c uninstaller.exe --list > " + listing);
        bool ended = WaitForExit(process, 60000);
        EndProcess(process);
        EXPECT_TRUE(ended);
        std::string text = ReadWholeFile(listing);
        DeleteFileA(listing.c_str());
        return text;
    };
    EXPECT_EQ(std::string::npos, list().find("Brindlemoor"));
    ASSERT_TRUE(Install(kDefaultFolder).installed);
    EXPECT_NE(std::string::npos, list().find("Brindlemoor|||Brindlemoor"));

    // The entry lives in the registry view of the program's own width, which the tool reads too:
    // the 32-bit view for the shipped programs, the 64-bit one for the 64-bit build.
    auto inView = [](REGSAM view) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, 0, KEY_READ | view, &key) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    };
    const bool wide = sizeof(void *) == 8;
    EXPECT_EQ(wide, inView(KEY_WOW64_64KEY));
    EXPECT_EQ(!wide, inView(KEY_WOW64_32KEY));
}

// The copy's thread posts each chunk's percentage, in order, and waits while the window has
// kMaxUnhandledProgress of them in its queue: a window that falls behind holds the copy instead of
// gathering one message per chunk of the whole file.
const unsigned kChunks = 100;

DWORD WINAPI PostHundredChunks(LPVOID post) {
    for (unsigned chunk = 0; chunk < kChunks; ++chunk)
        PostProgress(post, chunk);
    return 0;
}

TEST(ProgressPostTest, AWindowThatFallsBehindHoldsTheCopy) {
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, window);
    ProgressPost post = {};
    ASSERT_TRUE(OpenProgressPost(&post, window, 0));
    HANDLE thread = CreateThread(NULL, 0, PostHundredChunks, &post, 0, NULL);
    ASSERT_NE(nullptr, thread);
    // This thread takes nothing yet: the copy stops with the queue full to the bound.
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(thread, 1000));
    EXPECT_EQ(kMaxUnhandledProgress, post.unhandled);

    std::vector<unsigned> taken;
    MSG message;
    for (DWORD start = GetTickCount(); taken.size() < kChunks && GetTickCount() - start < 30000;) {
        if (!PeekMessageA(&message, window, WM_INSTALLPROGRESS, WM_INSTALLPROGRESS, PM_REMOVE)) {
            Sleep(1);
            continue;
        }
        ProgressTaken(&post, message.lParam);
        taken.push_back(unsigned(message.wParam));
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 30000));
    CloseHandle(thread);
    CloseProgressPost(&post);
    DestroyWindow(window);
    ASSERT_EQ(kChunks, taken.size());
    for (unsigned chunk = 0; chunk < kChunks; ++chunk)
        EXPECT_EQ(chunk, taken[chunk]);
}
