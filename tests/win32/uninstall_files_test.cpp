// What the uninstaller does with the installed files, the INI record, the entry and the
// attributes, and with two installations side by side. Wine's shell answers "PROGMAN" here (no
// group of the title's): the removal runs as on a plain machine.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "common/text.h"
#include "launcher/core/install_state.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install.h"
#include "launcher/setup/install_facts.h"
#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"
#include "uninstaller/self_delete.h"

#include <string>
#include <vector>

namespace {

bool IsReadOnly(const char *path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string IniValue(const char *section, const char *key) {
    char value[256] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, IniPath().c_str());
    return value;
}

class UninstallFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
        ASSERT_TRUE(PrepareInstalledState());
    }
    void TearDown() override {
        WaitForNoTemporaryBatch();
        DeleteTemporaryBatchFiles();
        SetFileAttributesA(INSTALL_FOLDER "\\BRINDMOR.WRI", FILE_ATTRIBUTE_NORMAL);
        ResetTitleState();
    }
    static void RemoveWithYes(const std::string &uninstaller = INSTALLED_UNINSTALLER) {
        DWORD exitCode = 99;
        ASSERT_TRUE(RunUninstaller(uninstaller, 1002, &exitCode)) << uninstaller;
        EXPECT_EQ(0u, exitCode);
    }
    // Waits until the uninstaller's batch has run: the uninstaller and its temporary files gone.
    static void WaitForSelfDeletion(const std::string &uninstaller) {
        EXPECT_TRUE(WaitUntilGone(uninstaller, 15000)) << uninstaller;
        WaitForNoTemporaryBatch();
    }
};

// Setup's own install into a folder, from the disc in E:, with the launcher's strings.
bool InstallInto(const char *folder) {
    HMODULE launcher =
        LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    SetStringSource(launcher, LANG_BASE_ENGLISH);
    InstallFacts facts = {};
    facts.titleFound = true;
    (DiscFolder() + "\\data\\install.qkt").copy(facts.dataSource, sizeof facts.dataSource - 1);
    (DiscFolder() + "\\brindd95.exe")
        .copy(facts.uninstallerSource, sizeof facts.uninstallerSource - 1);
    GatherInstallFacts(&facts);
    InstallChoice choice = {};
    CopyText(choice.folder, sizeof choice.folder, folder);
    const bool installed =
        CarryOutInstall(PlanInstall(choice, facts), ProgressSink{[](void *, unsigned) {}, nullptr})
            .installed;
    FreeLibrary(launcher);
    return installed;
}

// What the launcher says of the installation now recorded.
InstallState LauncherState() {
    HMODULE launcher =
        LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    SetStringSource(launcher, LANG_BASE_ENGLISH);
    const InstallState state = GetInstallState();
    FreeLibrary(launcher);
    return state;
}

// Runs a program as its debugger, on a thread of its own (the one that started it must wait for
// its events), and holds the program up for a while when it calls for its exit: a breakpoint on
// the exit call, so that the process, its image and so its file are still there meanwhile.
struct DelayedExit {
    std::string program;
    DWORD holdMilliseconds;
    DWORD processId; // once started
    HANDLE started;  // an event, set once started (or failed to)
    bool exitHeld;
};

DWORD WINAPI RunHoldingTheExit(void *parameter) {
    DelayedExit *run = static_cast<DelayedExit *>(parameter);
    // ntdll lies at the same address in every process, and every exit goes through this call.
    BYTE *const exitCall = reinterpret_cast<BYTE *>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlExitUserProcess"));
    std::string line = run->program;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const BOOL created =
        exitCall != NULL && CreateProcessA(NULL, &line[0], NULL, NULL, FALSE,
                                           DEBUG_ONLY_THIS_PROCESS, NULL, NULL, &startup, &info);
    run->processId = created ? info.dwProcessId : 0;
    SetEvent(run->started);
    if (!created)
        return 1;
    const BYTE breakpoint = 0xCC;
    BYTE original = 0;
    DEBUG_EVENT event;
    while (WaitForDebugEvent(&event, 60000)) {
        DWORD status = DBG_CONTINUE;
        const DWORD code = event.dwDebugEventCode;
        if (code == CREATE_PROCESS_DEBUG_EVENT) {
            // The debugger's own handle would keep the file in use.
            if (event.u.CreateProcessInfo.hFile != NULL)
                CloseHandle(event.u.CreateProcessInfo.hFile);
            ReadProcessMemory(info.hProcess, exitCall, &original, 1, NULL);
            WriteProcessMemory(info.hProcess, exitCall, &breakpoint, 1, NULL);
            FlushInstructionCache(info.hProcess, exitCall, 1);
        } else if (code == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile != NULL) {
            CloseHandle(event.u.LoadDll.hFile);
        } else if (code == EXCEPTION_DEBUG_EVENT) {
            const EXCEPTION_RECORD &exception = event.u.Exception.ExceptionRecord;
            if (exception.ExceptionCode != EXCEPTION_BREAKPOINT) {
                status = DBG_EXCEPTION_NOT_HANDLED;
            } else if (exception.ExceptionAddress == exitCall) {
                Sleep(run->holdMilliseconds);
                run->exitHeld = true;
                // The call's first byte back, and the thread back to it.
                WriteProcessMemory(info.hProcess, exitCall, &original, 1, NULL);
                FlushInstructionCache(info.hProcess, exitCall, 1);
                HANDLE thread =
                    OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, event.dwThreadId);
                CONTEXT context = {};
                context.ContextFlags = CONTEXT_CONTROL;
                GetThreadContext(thread, &context);
#ifdef _WIN64
                context.Rip = reinterpret_cast<DWORD64>(exitCall);
#else
                context.Eip = reinterpret_cast<DWORD>(exitCall);
#endif
                SetThreadContext(thread, &context);
                CloseHandle(thread);
            }
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        if (code == EXIT_PROCESS_DEBUG_EVENT)
            break;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}

} // namespace

TEST_F(UninstallFiles, ReadOnlyComponentGoesAndHeldOneStays) {
    const char *player = INSTALL_FOLDER "\\BRINDMOR.EXE";
    const char *help = INSTALL_FOLDER "\\BRINDMOR.WRI";
    ASSERT_TRUE(WriteWholeFile(player, "player"));
    ASSERT_TRUE(WriteWholeFile(help, "help"));
    SetFileAttributesA(player, FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(help, FILE_ATTRIBUTE_READONLY);
    // Another program holds the help document open.
    HANDLE held = CreateFileA(help, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    RemoveWithYes();
    EXPECT_FALSE(FileExists(player)) << "a read-only component is made writable and deleted";
    EXPECT_TRUE(FileExists(help));
    EXPECT_TRUE(IsReadOnly(help)) << "the held file keeps its read-only attribute";
    CloseHandle(held);
    // The folder still holds the help document, so it stays; the rest went.
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(FolderExists(INSTALL_FOLDER));
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
}

TEST_F(UninstallFiles, OtherIniSectionKeepsTheFile) {
    ASSERT_TRUE(WritePrivateProfileStringA("Other Title", "Install", "C:\\OTHER\\X.DAT",
                                           IniPath().c_str()));
    RemoveWithYes();
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_EQ("C:\\OTHER\\X.DAT", IniValue("Other Title", "Install"));
    EXPECT_EQ("", IniValue("Brindlemoor", "Install"));
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
}

TEST_F(UninstallFiles, ReadOnlyUninstallerIsStillDeletedByTheBatch) {
    SetFileAttributesA(INSTALLED_UNINSTALLER, FILE_ATTRIBUTE_READONLY);
    RemoveWithYes();
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000));
}

TEST_F(UninstallFiles, HeldDataFileKeepsItsRecordTheKeyAndTheUninstaller) {
    const char *player = INSTALL_FOLDER "\\BRINDMOR.EXE";
    ASSERT_TRUE(WriteWholeFile(player, "player"));
    // Another program holds the data file open with no sharing: it cannot be deleted.
    HANDLE held = CreateFileA(INSTALLED_DATA_FILE, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    std::string box;
    DWORD exitCode = 99;
    ASSERT_TRUE(RunUninstallerToBox(INSTALLED_UNINSTALLER, &box, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ("Brindlemoor was not removed completely: its data file could not be deleted, perhaps "
              "because another program is using it. The title stays installed; close other "
              "programs and remove it again.",
              box);
    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_EQ(INSTALLED_DATA_FILE, IniValue("Brindlemoor", "Install"));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY)) << "nothing else would start the uninstaller";
    EXPECT_TRUE(TemporaryBatchFiles().empty()) << "no self-deletion was prepared";
    EXPECT_FALSE(FileExists(player)) << "the components go all the same";
    Settle(2000);
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    CloseHandle(held);

    // Once the file is free, a second run finishes the removal.
    RemoveWithYes();
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000));
}

// The entry's key cannot be deleted (someone added a key under it): the uninstaller keeps itself,
// so that the entry left in Windows' list never names a missing program, and says so.
TEST_F(UninstallFiles, AnEntryThatCannotBeDeletedKeepsTheUninstaller) {
    ASSERT_TRUE(SetRegistryString(UNINSTALL_KEY "\\Added", "By", "another program"));
    std::string box;
    DWORD exitCode = 99;
    ASSERT_TRUE(RunUninstallerToBox(INSTALLED_UNINSTALLER, &box, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(
        "Brindlemoor was not removed completely: its entry in Windows' list of programs could "
        "not be deleted. The entry and the uninstaller stay, so that the title can be "
        "removed again.",
        box);
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(FileExists(IniPath()));
    std::string command;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ(INSTALLED_UNINSTALLER, command);
    EXPECT_TRUE(TemporaryBatchFiles().empty()) << "no self-deletion was prepared";
    Settle(2000);
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
}

// No batch can name the folder: an installation an earlier version made where the interpreter's
// code page has no letter for the folder's name ("\x80", the euro sign, is in neither OEM page).
// Everything else goes, and the box names the uninstaller that stays, so the user can delete it.
TEST_F(UninstallFiles, ABatchThatCannotBeMadeNamesTheUninstallerLeftBehind) {
    if (GetACP() != 1252 || (GetOEMCP() != 437 && GetOEMCP() != 850))
        GTEST_SKIP() << "written for the western code pages 1252 and 437 or 850";
    const std::string folder = "C:\\TWL\\Preis\x80";
    const std::string uninstaller = folder + "\\brindd95.exe";
    ASSERT_TRUE(MoveFileA(INSTALL_FOLDER, folder.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Brindlemoor", "Install",
                                           (folder + "\\BRINDMOR.QKT").c_str(), IniPath().c_str()));
    ASSERT_TRUE(SetRegistryString(UNINSTALL_KEY, "UninstallString", uninstaller));
    std::string box;
    DWORD exitCode = 99;
    ASSERT_TRUE(RunUninstallerToBox(uninstaller, &box, &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ("Brindlemoor has been removed, but its uninstaller could not be deleted. You may "
              "delete " +
                  uninstaller + " yourself.",
              box);
    EXPECT_FALSE(FileExists(folder + "\\BRINDMOR.QKT"));
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    Settle(2000);
    EXPECT_TRUE(FileExists(uninstaller));
    EXPECT_TRUE(TemporaryBatchFiles().empty());
}

// Setup into one folder, then into another: removed in either order, each uninstaller takes only
// its own installation, and the other stays as it was, still installed while it is recorded.
TEST_F(UninstallFiles, TwoInstallationsSideBySideRemovedInEitherOrder) {
    const std::string first = INSTALL_FOLDER, second = "C:\\TWL\\SECOND";
    for (bool olderFirst : {true, false}) {
        SCOPED_TRACE(olderFirst ? "the older one first" : "the newer one first");
        ResetTitleState();
        ASSERT_TRUE(InstallInto(first.c_str()));
        ASSERT_TRUE(InstallInto(second.c_str()));
        const std::string older = ReadWholeFile(first + "\\BRINDMOR.QKT");
        const std::string newer = ReadWholeFile(second + "\\BRINDMOR.QKT");
        ASSERT_FALSE(older.empty());

        const std::string &gone = olderFirst ? first : second, &kept = olderFirst ? second : first;
        RemoveWithYes(gone + "\\brindd95.exe");
        WaitForSelfDeletion(gone + "\\brindd95.exe");
        EXPECT_FALSE(FolderExists(gone));
        EXPECT_TRUE(ReadWholeFile(kept + "\\BRINDMOR.QKT") == (olderFirst ? newer : older));
        EXPECT_TRUE(FileExists(kept + "\\brindd95.exe"));
        std::string command;
        if (olderFirst) { // the newer one is recorded and listed, and stays so
            EXPECT_EQ(second + "\\BRINDMOR.QKT", IniValue("Brindlemoor", "Install"));
            EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
            EXPECT_EQ(second + "\\brindd95.exe", command);
            EXPECT_EQ(SetupComplete, LauncherState());
        } else { // the newer one took its record and entry with it
            EXPECT_FALSE(FileExists(IniPath()));
            EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        }

        RemoveWithYes(kept + "\\brindd95.exe");
        WaitForSelfDeletion(kept + "\\brindd95.exe");
        EXPECT_FALSE(FolderExists(kept));
        EXPECT_FALSE(FolderExists("C:\\TWL"));
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    }
}

// Folders whose names hold characters cmd.exe reads as its own (Setup's browser lets some through;
// a user may rename the folder to anything): the batch removes the uninstaller and every folder of
// the title's, and no file that a path split or cut at that character would name.
TEST_F(UninstallFiles, FoldersWithCharactersTheInterpreterReadsAreRemovedWholeAndNothingElse) {
    const std::string kSplitRest = "C:\\b"; // what follows a split, taken from the batch's C:\ .
    for (const char special : std::string("&%;=^!() ")) {
        const std::string folder = std::string("C:\\TWL\\a") + special + "b";
        SCOPED_TRACE(folder);
        ResetTitleState();
        DeleteTree(kSplitRest);
        // The files a misread line would delete: the path cut at the character, the path without
        // it, and the rest after it.
        const std::string decoys[] = {"C:\\TWL\\a", "C:\\TWL\\ab\\brindd95.exe",
                                      kSplitRest + "\\brindd95.exe"};
        ASSERT_TRUE(CreateDirectoryA("C:\\TWL", NULL));
        ASSERT_TRUE(CreateDirectoryA("C:\\TWL\\ab", NULL));
        ASSERT_TRUE(CreateDirectoryA(kSplitRest.c_str(), NULL));
        for (const std::string &decoy : decoys)
            ASSERT_TRUE(WriteWholeFile(decoy, "not the title's"));
        ASSERT_TRUE(InstallInto(folder.c_str()));

        const std::string uninstaller = folder + "\\brindd95.exe";
        RemoveWithYes("\"" + uninstaller + "\"");
        WaitForSelfDeletion(uninstaller);
        EXPECT_FALSE(FolderExists(folder));
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        for (const std::string &decoy : decoys)
            EXPECT_EQ("not the title's", ReadWholeFile(decoy)) << decoy;
        EXPECT_TRUE(TemporaryBatchFiles().empty());
    }
    DeleteTree(kSplitRest);
}

// The uninstaller's exit is held up for a few seconds (as on a slow or busy machine), so that its
// file is still in use when the batch first tries it: the batch waits for it instead of leaving it
// and its folders behind.
TEST_F(UninstallFiles, TheBatchWaitsForTheUninstallersDelayedExit) {
    DelayedExit run = {INSTALLED_UNINSTALLER, 4000, 0, CreateEventA(NULL, TRUE, FALSE, NULL),
                       false};
    HANDLE debugger = CreateThread(NULL, 0, RunHoldingTheExit, &run, 0, NULL);
    ASSERT_NE(nullptr, debugger);
    WaitForSingleObject(run.started, 10000);
    HWND dialog = run.processId != 0 ? WaitForConfirmation(run.processId, 10000) : NULL;
    if (dialog != NULL)
        ClickButton(dialog, 1002);
    const bool ended = WaitForSingleObject(debugger, 40000) == WAIT_OBJECT_0;
    if (!ended) { // the debugger thread uses `run`: end its program and let it finish first
        HANDLE program = OpenProcess(PROCESS_TERMINATE, FALSE, run.processId);
        if (program != NULL) {
            TerminateProcess(program, 1);
            CloseHandle(program);
        }
        WaitForSingleObject(debugger, 70000);
    }
    CloseHandle(debugger);
    CloseHandle(run.started);
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(ended);
    EXPECT_TRUE(run.exitHeld);
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000)) << "the folders stayed";
    WaitForSelfDeletion(INSTALLED_UNINSTALLER);
    EXPECT_TRUE(TemporaryBatchFiles().empty());
}

namespace {
// Temporary names as GetTempFileNameA makes them (the ".TMP" file created), from a list.
struct ListedNames {
    std::vector<std::string> names;
    size_t next;
};

bool MakeListedName(void *context, const char *folder, char name[MAX_PATH]) {
    ListedNames *list = static_cast<ListedNames *>(context);
    if (list->next >= list->names.size())
        return false;
    const std::string path = std::string(folder) + "\\" + list->names[list->next++];
    lstrcpynA(name, path.c_str(), MAX_PATH);
    return WriteWholeFile(path, "");
}
} // namespace

// The batch and PIF are made new: a name another file holds is passed over, never overwritten,
// and the ".TMP" names reserved on the way are deleted, also where their paths pass the 128
// characters that OpenFile takes.
TEST(SelfDeleteFiles, NamesOtherFilesHoldArePassedOverNeverOverwritten) {
    const std::string folder = "C:\\TWL\\" + std::string(125, 't'); // "\\untC.bat": 141
    DeleteTree("C:\\TWL");
    ASSERT_TRUE(CreateDirectoryA("C:\\TWL", NULL));
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    ASSERT_TRUE(WriteWholeFile(folder + "\\untA.bat", "another program's batch"));
    ASSERT_TRUE(WriteWholeFile(folder + "\\untB.pif", "another program's PIF"));

    ListedNames list = {{"untA.TMP", "untB.TMP", "untC.TMP"}, 0};
    char batchName[kTempNameCapacity], pifName[kTempNameCapacity];
    HANDLE pif = INVALID_HANDLE_VALUE;
    HANDLE batch = CreateTempBatch(folder.c_str(), true, TempNameSource{MakeListedName, &list},
                                   batchName, pifName, &pif);
    ASSERT_NE(INVALID_HANDLE_VALUE, batch);
    ASSERT_NE(INVALID_HANDLE_VALUE, pif);
    CloseHandle(batch);
    CloseHandle(pif);
    EXPECT_EQ(folder + "\\untC.bat", batchName);
    EXPECT_EQ(folder + "\\untC.pif", pifName);
    EXPECT_EQ("another program's batch", ReadWholeFile(folder + "\\untA.bat"));
    EXPECT_EQ("another program's PIF", ReadWholeFile(folder + "\\untB.pif"));
    EXPECT_FALSE(FileExists(folder + "\\untB.bat")) << "made for a name the PIF could not have";
    for (const char *reserved : {"\\untA.TMP", "\\untB.TMP", "\\untC.TMP"})
        EXPECT_FALSE(FileExists(folder + reserved)) << reserved;

    // The NT family needs no PIF; and a name that stays taken is given up after a few tries.
    list = {{"untD.TMP"}, 0};
    batch = CreateTempBatch(folder.c_str(), false, TempNameSource{MakeListedName, &list}, batchName,
                            pifName, &pif);
    ASSERT_NE(INVALID_HANDLE_VALUE, batch);
    CloseHandle(batch);
    EXPECT_EQ(folder + "\\untD.bat", batchName);
    EXPECT_STREQ("", pifName);
    EXPECT_EQ(INVALID_HANDLE_VALUE, pif);
    list = {std::vector<std::string>(20, "untA.TMP"), 0};
    batch = CreateTempBatch(folder.c_str(), false, TempNameSource{MakeListedName, &list}, batchName,
                            pifName, &pif);
    EXPECT_EQ(INVALID_HANDLE_VALUE, batch);
    EXPECT_STREQ("", batchName);
    EXPECT_LT(list.next, list.names.size()) << "the tries are bounded";
    EXPECT_EQ("another program's batch", ReadWholeFile(folder + "\\untA.bat"));
    EXPECT_FALSE(FileExists(folder + "\\untA.TMP"));
    DeleteTree("C:\\TWL");
}

// Folders named with letters outside ASCII: the batch's lines are written in the code page the
// command interpreter reads a batch in (the OEM one, not the ANSI one the paths are in), so a
// German "Übung" or a French "Café" folder is removed whole. A folder whose name that page cannot
// hold is refused by Setup: never installed, so never stranded.
TEST_F(UninstallFiles, FoldersNamedOutsideAsciiAreRemovedWhole) {
    if (GetACP() != 1252 || (GetOEMCP() != 437 && GetOEMCP() != 850))
        GTEST_SKIP() << "the rows are written for the western code pages 1252 and 437 or 850";
    for (const std::string folder : {"C:\\TWL\\\xDC"
                                     "bung",
                                     "C:\\TWL\\Caf\xE9"}) {
        SCOPED_TRACE(folder);
        ResetTitleState();
        ASSERT_TRUE(InstallInto(folder.c_str()));
        const std::string uninstaller = folder + "\\brindd95.exe";
        ASSERT_TRUE(FileExists(uninstaller));
        RemoveWithYes(uninstaller);
        WaitForSelfDeletion(uninstaller);
        EXPECT_FALSE(FolderExists(folder));
        EXPECT_FALSE(FolderExists("C:\\TWL"));
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        EXPECT_TRUE(TemporaryBatchFiles().empty());
    }
    ResetTitleState();
    EXPECT_FALSE(InstallInto("C:\\TWL\\\x8C"
                             "uvre")); // "Œ": in neither OEM page
    EXPECT_FALSE(FolderExists("C:\\TWL"));
}
