// The running program and the programs it starts: a window's module, the module's own path,
// which family of Windows runs it, and starting a command line.
#include "process.h"

#include "text.h"

HINSTANCE InstanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

bool ModulePath(HINSTANCE instance, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    const DWORD room = capacity > 0x7FFFFFFF ? 0x7FFFFFFF : DWORD(capacity);
    const DWORD length = GetModuleFileNameA(instance, dst, room);
    // A path that filled the buffer may come back cut and unterminated.
    if (length == 0 || length >= room) {
        dst[0] = '\0';
        return false;
    }
    return true;
}

bool IsNtFamily() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

BOOL StartCommandLine(const char *commandLine, WORD show, DWORD flags, const char *folder,
                      const char *program) {
    char line[1024] = ""; // CreateProcessA may write into its command line
    if (!AppendWhole(line, sizeof line, commandLine))
        return FALSE;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION process = {};
    BOOL started =
        CreateProcessA(program, line, NULL, NULL, FALSE, flags, NULL, folder, &startup, &process);
    if (started) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return started;
}
