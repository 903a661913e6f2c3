// An installed title the way Setup leaves it, and running the uninstaller against it.
#include "uninstall_state.h"

#include "machine_state.h"

bool PrepareInstalledState() {
    CreateDirectoryA("C:\\TWL", NULL);
    CreateDirectoryA(INSTALL_FOLDER, NULL);
    bool ok = WriteWholeFile(INSTALLED_DATA_FILE, std::string(4096, 'Q'));
    ok = CopyFileA(DistPath("BRINDDEL.EXE").c_str(), INSTALLED_UNINSTALLER, FALSE) && ok;
    ok =
        WritePrivateProfileStringA("Brindlemoor", "Install", INSTALLED_DATA_FILE, "BRINDMOR.INI") &&
        ok;
    WritePrivateProfileStringA(NULL, NULL, NULL, "BRINDMOR.INI"); // flush
    ok = SetRegistryString(UNINSTALL_KEY, "DisplayName", "Brindlemoor") && ok;
    ok = SetRegistryString(UNINSTALL_KEY, "UninstallString", INSTALLED_UNINSTALLER) && ok;
    return ok;
}

std::vector<std::string> TemporaryBatchFiles() {
    std::vector<std::string> found;
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    for (const std::string &folder : {WindowsDirectory() + "\\", std::string(temp)}) {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "unt*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            found.push_back(folder + entry.cFileName);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return found;
}

void DeleteTemporaryBatchFiles() {
    for (const std::string &path : TemporaryBatchFiles())
        DeleteFileA(path.c_str());
}

HWND WaitForConfirmation(DWORD processId, DWORD milliseconds) {
    return WaitForTopWindow("#32770", "Brindlemoor", processId, milliseconds);
}

bool RunUninstaller(const std::string &commandLine, int button, DWORD *exitCode) {
    Process process = StartProcess(commandLine);
    HWND dialog = WaitForConfirmation(process.id, 10000);
    if (dialog != NULL)
        ClickButton(dialog, button);
    bool ended = WaitForExit(process, 30000, exitCode);
    EndProcess(process);
    return dialog != NULL && ended;
}

bool RunUninstallerToBox(const std::string &commandLine, std::string *boxText, DWORD *exitCode) {
    boxText->clear();
    Process process = StartProcess(commandLine);
    HWND dialog = WaitForConfirmation(process.id, 10000);
    if (dialog != NULL)
        ClickButton(dialog, 1002);
    // The question's icon is a static of id 0xFFFF too: look for the box once it has gone.
    for (DWORD start = GetTickCount(); dialog != NULL && IsWindow(dialog);) {
        if (GetTickCount() - start > 10000)
            break;
        Sleep(50);
    }
    HWND box = dialog != NULL ? WaitForMessageBox(process.id, 20000) : NULL;
    if (box != NULL) {
        *boxText = MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    bool ended = WaitForExit(process, 30000, exitCode);
    EndProcess(process);
    return dialog != NULL && ended;
}

bool WaitUntilGone(const std::string &path, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(100);
    }
    return true;
}

bool WaitForNoTemporaryBatch() {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 15000; Sleep(200))
        if (TemporaryBatchFiles().empty())
            return true;
    return TemporaryBatchFiles().empty();
}
