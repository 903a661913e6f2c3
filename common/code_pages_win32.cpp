// The system's code pages and its converter between them, for the self-deletion batch's lines.
#include "code_pages.h"

#include <windows.h>

#include "file_ops.h"
#include "process.h"
#include "text.h"

namespace {
const unsigned kUtf7 = 65000, kUtf8 = 65001;

bool Convert(const void *, unsigned fromPage, unsigned toPage, const char *text, char *dst,
             size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    WCHAR wide[1024];
    // -1: the terminator is converted too, and counted.
    const int wideLength =
        MultiByteToWideChar(fromPage, MB_ERR_INVALID_CHARS, text, -1, wide, 1024);
    if (wideLength == 0)
        return false;
    BOOL usedDefault = FALSE;
    // The UTF pages take no default character and refuse the question.
    const bool utf = toPage == kUtf7 || toPage == kUtf8;
    const int room = capacity > 0x7FFFFFFF ? 0x7FFFFFFF : int(capacity);
    const int length = WideCharToMultiByte(toPage, 0, wide, wideLength, dst, room, NULL,
                                           utf ? NULL : &usedDefault);
    if (length == 0 || usedDefault) {
        dst[0] = '\0';
        return false;
    }
    return true;
}
// A file in a folder of the system's, when it is there.
bool FoundIn(const char *folder, const char *name, char *dst, size_t capacity) {
    return CopyText(dst, capacity, folder) > 0 && AppendWhole(dst, capacity, "\\") &&
           AppendWhole(dst, capacity, name) && FileExists(dst);
}

// What the batch waits with between two tries, by its full path: the NT family's ping.exe in the
// system directory; under MS-DOS the Windows directory's PING.EXE, which only TCP/IP installs, or
// else its CHOICE.COM; or nothing.
void FindPause(bool ntFamily, BatchInterpreter *interpreter) {
    char *program = interpreter->pauseProgram;
    const size_t capacity = sizeof interpreter->pauseProgram;
    char system[MAX_PATH], windows[MAX_PATH];
    const UINT systemLength = GetSystemDirectoryA(system, sizeof system);
    const UINT windowsLength = GetWindowsDirectoryA(windows, sizeof windows);
    if (systemLength == 0 || systemLength >= sizeof system)
        system[0] = '\0';
    if (windowsLength == 0 || windowsLength >= sizeof windows)
        windows[0] = '\0';
    if (ntFamily ? FoundIn(system, "ping.exe", program, capacity)
                 : FoundIn(windows, "PING.EXE", program, capacity))
        interpreter->pause = BatchPause::Ping;
    else if (!ntFamily && FoundIn(windows, "COMMAND\\CHOICE.COM", program, capacity))
        interpreter->pause = BatchPause::Choice;
    else
        program[0] = '\0';
}
} // namespace

TextConverter SystemTextConverter() {
    return TextConverter{Convert, nullptr};
}

BatchInterpreter ThisSystemsBatchInterpreter() {
    const bool ntFamily = IsNtFamily();
    BatchInterpreter interpreter = {
        BatchLineLimit(ntFamily), GetACP(), GetOEMCP(), SystemTextConverter(), ntFamily,
        BatchPause::None,         ""};
    FindPause(ntFamily, &interpreter);
    return interpreter;
}
