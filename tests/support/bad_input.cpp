// What the bad-input tests share: swapping the disc's data file, paths of an exact length, and
// driving Setup from the launcher's main window.
#include "bad_input.h"

#include "launcher/resources/resource_ids.h"
#include "tests/support/machine_state.h"

#include <cstdlib>

namespace bad_input {
namespace {
std::string RigPath(const std::string &relative) {
    const char *rig = std::getenv("BRINDLE_RIG");
    return std::string(rig != NULL ? rig : "/rig") + "/" + relative;
}

bool Missing(const std::string &path) {
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}
} // namespace

bool RunUnix(const std::string &commandLine, bool (*done)(const std::string &),
             const std::string &arg) {
    Process process = StartProcess(commandLine);
    EndProcess(process);
    for (int i = 0; i < 100 && !done(arg); ++i)
        Sleep(50);
    return done(arg);
}

DiscDataSwap::DiscDataSwap() : path_(DiscFolder() + "\\data\\install.qkt"), kept_(path_ + ".kept") {
    moved_ = MoveFileA(path_.c_str(), kept_.c_str()) != FALSE;
}

DiscDataSwap::~DiscDataSwap() {
    if (!moved_)
        return;
    // A link to a kernel file cannot be deleted through Windows' calls.
    if (!DeleteFileA(path_.c_str()) && !Missing(path_))
        RunUnix("/bin/rm -f " + RigPath("disc-e/data/install.qkt"), Missing, path_);
    MoveFileExA(kept_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool MakeSparseFile(const std::string &path, unsigned long long bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    size.QuadPart = LONGLONG(bytes);
    bool sized = SetFilePointerEx(file, size, NULL, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return sized;
}

std::string FileAtPathLength(size_t length, const std::string &name) {
    std::string path = "C:\\TWL";
    if (length < path.size() + 3 + name.size())
        return "";
    CreateDirectoryA(path.c_str(), NULL);
    // Folders of 100 characters, then one that makes up the rest.
    size_t rest = length - path.size() - 2 - name.size();
    while (rest > 101) {
        path += "\\" + std::string(100, 'D');
        CreateDirectoryA(path.c_str(), NULL);
        rest -= 101;
    }
    path += "\\" + std::string(rest, 'E');
    CreateDirectoryA(path.c_str(), NULL);
    path += "\\" + name;
    return path.size() == length && WriteWholeFile(path, "the user's file") ? path : "";
}

HWND OpenSetupDialog(HWND mainDialog, DWORD processId) {
    ClickButton(mainDialog, IDC_SETUP);
    HWND setup = WaitForTopWindow("#32770", "Setup", processId, kWait);
    Settle();
    return setup;
}

std::string RunSetupToEnd(HWND mainDialog, HWND setupDialog) {
    ClickButton(setupDialog, IDC_SETUP_START);
    std::string status;
    for (int i = 0; i < 600; ++i) {
        Sleep(100);
        status = ControlText(mainDialog, IDC_STATUS);
        // "Ready to Play!", or one of the failure texts, which all name Setup.
        if (status == "Ready to Play!" ||
            (status.compare(0, 6, "Setup ") == 0 && status.find("must be") == std::string::npos))
            break;
    }
    return status;
}

std::string InstallRecord() {
    char value[1024] = "";
    GetPrivateProfileStringA("Brindlemoor", "Install", "", value, sizeof value, IniPath().c_str());
    return value;
}
} // namespace bad_input
