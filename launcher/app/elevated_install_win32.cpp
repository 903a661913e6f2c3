// The install with an administrator's rights: the launcher that asks once for them and waits, and
// the elevated launcher it starts, which installs and reports its progress to the first one.
#include "elevated_install.h"

#include <shellapi.h>

#include "../../common/process.h"
#include "../../common/system_library.h"
#include "../../common/text.h"
#include "../setup/drive_query.h"
#include "../setup/install_facts.h"
#include "../setup/install_folder.h"
#include "../setup/typed_folder.h"
#include "../syscheck/title_disc.h"
#include "../ui/main_picture.h"
#include "launcher_class.h"
#include "setup_command.h"

namespace {
typedef HRESULT(WINAPI *ComStartCall)(LPVOID, DWORD);
typedef void(WINAPI *ComEndCall)();
typedef BOOL(WINAPI *ImageNameCall)(HANDLE, DWORD, LPSTR, PDWORD);
const DWORD kQueryLimitedInformation = 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION, Vista on
const DWORD kComApartment = 0x2 | 0x4;         // apartment-threaded, no OLE 1 DDE window

typedef BOOL(WINAPI *ShellStartCall)(SHELLEXECUTEINFOA *);

// The shell may hand the start to extensions that need COM on the calling thread. Only systems
// with elevation come here, and all of them have ole32; it is loaded, not imported, so that the
// launcher's imports stay those of Windows 95.
struct ComOnThisThread {
    bool started = false;
    ComOnThisThread() {
        const ComStartCall start = SystemCall<ComStartCall>("ole32.dll", "CoInitializeEx");
        started = start != NULL && SUCCEEDED(start(NULL, kComApartment));
    }
    ~ComOnThisThread() {
        const ComEndCall end = SystemCall<ComEndCall>("ole32.dll", "CoUninitialize");
        if (started && end != NULL)
            end();
    }
};

InstallOutcome Failure() {
    return InstallOutcome{false, InstallAccepted, kInstallSteps, false};
}

// Where the elevated launcher reports: the main launcher window named on its command line, only
// when it is one (its class) of a process running this very program file; NULL otherwise.
HWND ReportWindow(HINSTANCE instance, uint64_t value) {
    if (value == 0 || value > uint64_t(UINTPTR_MAX))
        return NULL;
    HWND window = reinterpret_cast<HWND>(uintptr_t(value));
    char name[32] = "";
    if (!IsWindow(window) || GetClassNameA(window, name, sizeof name) == 0 ||
        !EqualIgnoringCase(name, LAUNCHER_CLASS))
        return NULL;
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    const ImageNameCall imageName =
        SystemCall<ImageNameCall>("kernel32.dll", "QueryFullProcessImageNameA");
    char own[MAX_PATH], theirs[MAX_PATH];
    if (id == 0 || id == GetCurrentProcessId() || imageName == NULL ||
        !ModulePath(instance, own, sizeof own))
        return NULL;
    HANDLE process = OpenProcess(kQueryLimitedInformation, FALSE, id);
    if (process == NULL)
        return NULL;
    DWORD size = sizeof theirs;
    const bool named = imageName(process, 0, theirs, &size) != FALSE && size < sizeof theirs;
    CloseHandle(process);
    return named && EqualIgnoringCase(own, theirs) ? window : NULL;
}

struct ElevatedReport {
    HWND window; // NULL: nobody to report to
    DWORD pausePerChunk;
};

// A more privileged process may send to a less privileged one: the first launcher's picture
// fills as the copy goes.
void ReportProgress(void *context, unsigned percent) {
    const ElevatedReport &report = *static_cast<const ElevatedReport *>(context);
    if (report.window != NULL)
        SendMessageA(report.window, WM_INSTALLPROGRESS, percent, 0);
    if (report.pausePerChunk != 0)
        Sleep(report.pausePerChunk);
}

// The Setup dialog's space test for the folder's drive, as its Setup button applies it.
bool FolderHasRoom(const char *folder, uint64_t sourceBytes) {
    char root[4];
    DriveRootOf(folder, root, sizeof root);
    DriveSpace space;
    return QueryDriveSpace(root, &space) != 0 && SetupSpaceSuffices(sourceBytes, space);
}
} // namespace

InstallOutcome HandOffInstall(const char *folder, HWND mainDialog, HandOffResult *result) {
    *result = HandOffFailed;
    char program[MAX_PATH], arguments[kInstallFolderCapacity + 64];
    if (!ModulePath(NULL, program, sizeof program) ||
        !BuildElevatedArguments(folder, uint64_t(reinterpret_cast<uintptr_t>(mainDialog)),
                                arguments, sizeof arguments))
        return Failure();
    ComOnThisThread com;
    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    // The process handle to wait on; no message box of the shell's own: the status line speaks.
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT;
    start.hwnd = mainDialog; // the prompt's owner
    start.lpVerb = "runas";
    start.lpFile = program;
    start.lpParameters = arguments;
    start.nShow = SW_SHOWNORMAL;
    const ShellStartCall shellStart = SystemCall<ShellStartCall>("shell32.dll", "ShellExecuteExA");
    if (shellStart == NULL)
        return Failure();
    if (!shellStart(&start)) {
        if (GetLastError() == ERROR_CANCELLED)
            *result = HandOffDeclined;
        return Failure();
    }
    if (start.hProcess == NULL)
        return Failure(); // started, but there is nothing to wait on: no outcome to show
    WaitForSingleObject(start.hProcess, INFINITE);
    DWORD code = 0;
    const bool ended = GetExitCodeProcess(start.hProcess, &code) != FALSE;
    CloseHandle(start.hProcess);
    if (!ended)
        return Failure();
    *result = HandOffRan;
    return OutcomeOfElevatedExit(code);
}

int RunElevatedInstall(HINSTANCE instance, const char *commandLine, DWORD pausePerChunk) {
    ElevatedRequest request;
    if (!ParseElevatedArguments(commandLine, &request))
        return int(kElevatedBadRequest);
    ElevatedReport report = {ReportWindow(instance, request.window), pausePerChunk};
    // Nothing is taken on trust from the launcher that started us: our own facts, our own plan.
    InstallFacts facts = {};
    TakeTitleSources(LookForTitle(), &facts);
    GatherInstallFacts(&facts);
    InstallOutcome outcome = {false, RefusedFolder, kInstallSteps, false};
    InstallChoice choice = {};
    // The same checks as a folder typed into Custom Install, and its one spelling as seen here.
    if (TypedFolderUsable(request.folder, facts) &&
        MakeFolderCanonical(request.folder, choice.folder, sizeof choice.folder) ==
            FolderCanonical &&
        FolderHasRoom(choice.folder, facts.sourceBytes)) {
        const ProgressSink progress = {ReportProgress, &report};
        outcome = CarryOutInstall(PlanInstall(choice, facts), progress);
    }
    return int(ElevatedExitCode(outcome));
}
