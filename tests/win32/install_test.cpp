// The install run against real files, BRINDMOR.INI and the registry, from the disc in drive E:.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install.h"
#include "launcher/setup/install_folder.h"
#include "launcher/setup/install_progress.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {
const char kDefaultFolder[] = "C:\\TWL\\BRINDMOR";
std::vector<unsigned> gProgress;

// Stands in for the main dialog: keeps the progress it is sent.
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INSTALLPROGRESS) {
        gProgress.push_back(unsigned(wParam));
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Lang(UINT offset) {
    char text[256];
    LoadLangString(offset, text, sizeof text);
    return text;
}

std::string RigPath(const std::string &relative) {
    const char *rig = std::getenv("BRINDLE_RIG");
    return std::string(rig != NULL ? rig : "/rig") + "/" + relative;
}

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

// Starts a Unix program from the Windows side (Wine runs ELF binaries directly, but gives no
// process handle to wait on), then waits up to 5 s for its effect.
template <typename Done> bool RunUnix(const std::string &commandLine, Done done) {
    Process process = StartProcess(commandLine);
    EndProcess(process);
    for (int i = 0; i < 100 && !done(); ++i)
        Sleep(50);
    return done();
}

// Puts the disc's data file aside for one test and brings it back afterwards.
class DiscDataAside {
  public:
    DiscDataAside() : path_(DiscFile("data\\install.qkt")), kept_(path_ + ".kept") {
        moved_ = MoveFileA(path_.c_str(), kept_.c_str()) != FALSE;
    }
    ~DiscDataAside() {
        if (!moved_)
            return; // the disc's own file is still in place
        // A link to a kernel file cannot be deleted through Windows' calls. Only then is rm run:
        // started for nothing, it could still be running, and delete the file put back below.
        if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES &&
            !DeleteFileA(path_.c_str()))
            RunUnix("/bin/rm -f " + RigPath("disc-e/data/install.qkt"), [this] {
                return GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES;
            });
        MoveFileExA(kept_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    bool moved() const { return moved_; }

  private:
    std::string path_, kept_;
    bool moved_;
};

class InstallRun : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        strings_ =
            LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        SetStringSource(strings_, LANG_BASE_ENGLISH);
        WNDCLASSA type = {};
        type.lpfnWndProc = HostProc;
        type.hInstance = GetModuleHandleA(NULL);
        type.lpszClassName = "InstallTestHost";
        RegisterClassA(&type);
    }
    static void TearDownTestSuite() { FreeLibrary(strings_); }

    void SetUp() override {
        ASSERT_NE(nullptr, strings_);
        ResetTitleState();
        gProgress.clear();
        SetInstallFolder(kDefaultFolder);
        host_ = CreateWindowA("InstallTestHost", "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 120, NULL,
                              NULL, GetModuleHandleA(NULL), NULL);
        CreateWindowA("BUTTON", "Play", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10, 80, 24, host_,
                      HMENU(IDC_PLAY), GetModuleHandleA(NULL), NULL);
        CreateWindowA("STATIC", "before", WS_CHILD | WS_VISIBLE, 10, 40, 280, 20, host_,
                      HMENU(IDC_STATUS), GetModuleHandleA(NULL), NULL);
        ShowWindow(host_, SW_SHOW);
        SetForegroundWindow(host_);
    }
    void TearDown() override {
        DestroyWindow(host_);
        ResetTitleState();
    }

    // Runs the install and checks that it left no file open behind it: an exclusive open fails
    // with a sharing violation while any other handle is open on the file.
    void Install() {
        RunInstall(host_);
        for (const std::string &path :
             {DiscFile("data\\install.qkt"), std::string(InstallFolder()) + "\\BRINDMOR.QKT"}) {
            HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
            if (file != INVALID_HANDLE_VALUE)
                CloseHandle(file);
            else
                EXPECT_NE(DWORD(ERROR_SHARING_VIOLATION), GetLastError()) << path << " left open";
        }
    }

    std::string Status() const { return ControlText(host_, IDC_STATUS); }
    bool PlayEnabled() const { return ControlEnabled(host_, IDC_PLAY); }

    // Nothing of an install may be left behind.
    void ExpectNoRecord(const char *folder) {
        EXPECT_EQ(Lang(LANG_INSTALL_FAILED), Status());
        EXPECT_FALSE(FileExists(std::string(folder) + "\\BRINDMOR.QKT"));
        EXPECT_FALSE(FileExists(std::string(folder) + "\\brindd95.exe"));
        EXPECT_TRUE(IniEntries(NULL).empty());
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        ASSERT_GE(gProgress.size(), 2u);
        EXPECT_EQ(0u, gProgress.front());
        EXPECT_EQ(100u, gProgress.back());
    }

    static HMODULE strings_;
    HWND host_ = NULL;
};
HMODULE InstallRun::strings_ = NULL;
} // namespace

TEST_F(InstallRun, FirstInstallIntoTheDefaultFolder) {
    ASSERT_FALSE(FolderExists("C:\\TWL"));
    Install();

    EXPECT_TRUE(FolderExists("C:\\TWL\\BRINDMOR"));
    std::string source = ReadWholeFile(DiscFile("data\\install.qkt"));
    ASSERT_GT(source.size(), 32768u);
    std::string copied = ReadWholeFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT");
    EXPECT_EQ(source.size(), copied.size());
    EXPECT_TRUE(source == copied) << "the data file differs from the disc's";

    EXPECT_EQ(std::vector<std::string>({"Brindlemoor"}), IniEntries(NULL));
    EXPECT_EQ(std::vector<std::string>({"Install=C:\\TWL\\BRINDMOR\\BRINDMOR.QKT"}),
              IniEntries("Brindlemoor"));

    EXPECT_EQ(2, RegistryValueCount(UNINSTALL_KEY));
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

    EXPECT_EQ(Lang(LANG_READY), Status());
    EXPECT_TRUE(PlayEnabled());
    EXPECT_EQ(GetDlgItem(host_, IDC_PLAY), GetFocus());

    size_t chunks = (source.size() + 32766) / 32767;
    ASSERT_EQ(chunks + 2, gProgress.size());
    EXPECT_EQ(0u, gProgress.front());
    EXPECT_EQ(100u, gProgress[chunks]);
    EXPECT_EQ(100u, gProgress.back());
    for (size_t i = 1; i < gProgress.size(); ++i)
        EXPECT_LE(gProgress[i - 1], gProgress[i]) << "message " << i;
}

TEST_F(InstallRun, AReadOnlyUninstallerOnTheSourceArrivesWritable) {
    std::string source = DiscFile("brindd95.exe");
    DWORD attributes = GetFileAttributesA(source.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    ASSERT_TRUE(SetFileAttributesA(source.c_str(), attributes | FILE_ATTRIBUTE_READONLY));
    ASSERT_NE(0u, GetFileAttributesA(source.c_str()) & FILE_ATTRIBUTE_READONLY);
    Install();
    SetFileAttributesA(source.c_str(), attributes);

    DWORD installed = GetFileAttributesA("C:\\TWL\\BRINDMOR\\brindd95.exe");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, installed);
    EXPECT_EQ(0u, installed & FILE_ATTRIBUTE_READONLY);
    // Writable means it can be replaced by the next install.
    gProgress.clear();
    Install();
    EXPECT_EQ(Lang(LANG_READY), Status());
    EXPECT_EQ(2, RegistryValueCount(UNINSTALL_KEY));
}

TEST_F(InstallRun, InstallingAgainReplacesTheRecordAndMovesTheEntry) {
    Install();
    ASSERT_EQ(Lang(LANG_READY), Status());
    const char other[] = "C:\\TWL\\OTHER PLACE";
    SetInstallFolder(other);
    Install();

    EXPECT_EQ(std::vector<std::string>({"Install=C:\\TWL\\OTHER PLACE\\BRINDMOR.QKT"}),
              IniEntries("Brindlemoor"));
    EXPECT_EQ(2, RegistryValueCount(UNINSTALL_KEY));
    std::string command;
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    // Quoted, since the path holds a blank: Windows runs the command as it stands.
    EXPECT_EQ("\"C:\\TWL\\OTHER PLACE\\brindd95.exe\"", command);
    EXPECT_TRUE(FileExists("C:\\TWL\\OTHER PLACE\\brindd95.exe"));
    EXPECT_TRUE(ReadWholeFile(DiscFile("data\\install.qkt")) ==
                ReadWholeFile("C:\\TWL\\OTHER PLACE\\BRINDMOR.QKT"));

    // A drive root: two backslashes in the record, one in the command.
    SetInstallFolder("C:\\TWL\\");
    Install();
    EXPECT_EQ(std::vector<std::string>({"Install=C:\\TWL\\\\BRINDMOR.QKT"}),
              IniEntries("Brindlemoor"));
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ("C:\\TWL\\brindd95.exe", command);
}

TEST_F(InstallRun, AMissingSourceLeavesNoRecord) {
    DiscDataAside aside;
    ASSERT_TRUE(aside.moved());
    Install();
    ExpectNoRecord(kDefaultFolder);
    EXPECT_FALSE(FolderExists("C:\\TWL")); // nothing made for a copy that cannot start
    EXPECT_FALSE(PlayEnabled());
}

TEST_F(InstallRun, ADestinationThatCannotBeCreatedLeavesNoRecord) {
    ASSERT_TRUE(WriteWholeFile("C:\\TWL", "a file where the folder should be"));
    EnableWindow(GetDlgItem(host_, IDC_PLAY), TRUE); // as after an earlier install
    Install();
    ExpectNoRecord(kDefaultFolder);
    EXPECT_EQ(std::vector<unsigned>({0, 100}), gProgress);
    EXPECT_TRUE(PlayEnabled()); // keeps the state it had
}

TEST_F(InstallRun, ASourceShorterThanItsSizeEndsAndLeavesNoRecord) {
    // A kernel settings file reports 4,096 bytes but reads far fewer: a short source.
    const char shortFile[] = "/sys/kernel/mm/transparent_hugepage/enabled";
    std::string probe = ReadWholeFile(WindowsPathOf(shortFile));
    if (probe.empty() || probe.size() >= 4096)
        GTEST_SKIP() << "no short kernel file on this machine";
    DiscDataAside aside;
    ASSERT_TRUE(aside.moved());
    ASSERT_TRUE(
        RunUnix("/bin/ln -s " + std::string(shortFile) + " " + RigPath("disc-e/data/install.qkt"),
                [&probe] { return ReadWholeFile(DiscFile("data\\install.qkt")) == probe; }));
    Install();
    ExpectNoRecord(kDefaultFolder);
    EXPECT_EQ(std::vector<unsigned>({0, 0, 100}), gProgress); // one short chunk, then the end
}

// Setup run again over a working installation, and the copy fails part way: the installed data
// file, its record and its entry stay as they were, and the failure is shown even where the
// status line was hidden.
TEST_F(InstallRun, AFailedSecondInstallKeepsTheWorkingOne) {
    const char shortFile[] = "/sys/kernel/mm/transparent_hugepage/enabled";
    std::string probe = ReadWholeFile(WindowsPathOf(shortFile));
    if (probe.empty() || probe.size() >= 4096)
        GTEST_SKIP() << "no short kernel file on this machine";
    Install();
    ASSERT_EQ(Lang(LANG_READY), Status());
    const std::string data = std::string(kDefaultFolder) + "\\BRINDMOR.QKT";
    const std::string installed = ReadWholeFile(data);
    ASSERT_FALSE(installed.empty());
    ShowWindow(GetDlgItem(host_, IDC_STATUS), SW_HIDE); // as in the main dialog's installed state
    {
        DiscDataAside aside;
        ASSERT_TRUE(aside.moved());
        ASSERT_TRUE(RunUnix(
            "/bin/ln -s " + std::string(shortFile) + " " + RigPath("disc-e/data/install.qkt"),
            [&probe] { return ReadWholeFile(DiscFile("data\\install.qkt")) == probe; }));
        Install();
    }
    EXPECT_EQ(Lang(LANG_INSTALL_FAILED), Status());
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(host_, IDC_STATUS)));
    EXPECT_TRUE(ReadWholeFile(data) == installed) << "the working data file was touched";
    EXPECT_FALSE(FileExists(std::string(kDefaultFolder) + "\\BRINDMOR.QK~"));
    EXPECT_EQ(std::vector<std::string>({"Install=" + data}), IniEntries("Brindlemoor"));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY));
}

TEST_F(InstallRun, WinesProgramListShowsTheTitleAfterAnInstall) {
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
    Install();
    ASSERT_EQ(Lang(LANG_READY), Status());
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
