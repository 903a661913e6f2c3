// A test double for any program the launcher starts: it appends its command line to a log file
// (BRINDLE_RECORD_LOG, else C:\recorder.log) and ends at once.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char log[MAX_PATH] = "C:\\recorder.log";
    DWORD n = GetEnvironmentVariableA("BRINDLE_RECORD_LOG", log, sizeof log);
    if (n == 0 || n >= sizeof log)
        std::snprintf(log, sizeof log, "%s", "C:\\recorder.log");
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    char line[1100];
    int length = std::snprintf(line, sizeof line, "%s\r\n", GetCommandLineA());
    DWORD written = 0;
    if (length > 0)
        WriteFile(file, line, DWORD(length < int(sizeof line) ? length : int(sizeof line) - 1),
                  &written, NULL);
    CloseHandle(file);
    return 0;
}
