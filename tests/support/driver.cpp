// Driving the built programs from a test, as a person would: start them, find their windows,
// read and click their controls, read message boxes, and wait for them to end.
#include "driver.h"

#include <cstdlib>

std::string WindowsPathOf(const std::string &unixPath) {
    std::string path = "Z:" + unixPath;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string DistPath(const std::string &relative) {
    const char *dist = std::getenv("BRINDLE_DIST");
    std::string path = WindowsPathOf(dist != NULL ? dist : "/dist") + "\\" + relative;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string DiscFolder() {
    const char *rig = std::getenv("BRINDLE_RIG");
    return WindowsPathOf(std::string(rig != NULL ? rig : "/rig") + "/disc-e");
}

Process StartProcess(const std::string &commandLine, const char *folder) {
    Process process;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, folder, &startup, &info)) {
        CloseHandle(info.hThread);
        process.handle = info.hProcess;
        process.id = info.dwProcessId;
        WaitForInputIdle(info.hProcess, 5000);
    }
    return process;
}

bool WaitForExit(Process &process, DWORD milliseconds, DWORD *exitCode) {
    if (process.handle == NULL)
        return false;
    if (WaitForSingleObject(process.handle, milliseconds) != WAIT_OBJECT_0)
        return false;
    if (exitCode != NULL)
        GetExitCodeProcess(process.handle, exitCode);
    return true;
}

void EndProcess(Process &process) {
    if (process.handle == NULL)
        return;
    if (WaitForSingleObject(process.handle, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.handle, 99);
        WaitForSingleObject(process.handle, 5000);
    }
    CloseHandle(process.handle);
    process.handle = NULL;
}

namespace {
struct Search {
    const char *className;
    const char *caption;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM lParam) {
    Search &search = *reinterpret_cast<Search *>(lParam);
    if (!IsWindowVisible(window))
        return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search.processId != 0 && owner != search.processId)
        return TRUE;
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    if (search.className != NULL && lstrcmpiA(name, search.className) != 0)
        return TRUE;
    if (search.caption != NULL && WindowText(window) != search.caption)
        return TRUE;
    search.found = window;
    return FALSE;
}
} // namespace

HWND FindTopWindow(const char *className, const char *caption, DWORD processId) {
    Search search = {className, caption, processId, NULL};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(const char *className, const char *caption, DWORD processId,
                      DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindTopWindow(className, caption, processId);
        if (window != NULL || GetTickCount() - start > milliseconds)
            return window;
        Sleep(50);
    }
}

// A message box is a #32770 dialog holding the static 0xFFFF.
static BOOL CALLBACK MatchMessageBox(HWND window, LPARAM lParam) {
    Search &search = *reinterpret_cast<Search *>(lParam);
    if (MatchTopWindow(window, lParam))
        return TRUE;
    if (GetDlgItem(search.found, 0xFFFF) != NULL)
        return FALSE;
    search.found = NULL;
    return TRUE;
}

HWND WaitForMessageBox(DWORD processId, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        Search search = {"#32770", NULL, processId, NULL};
        EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
        if (search.found != NULL || GetTickCount() - start > milliseconds)
            return search.found;
        Sleep(50);
    }
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, 0xFFFF);
}

std::string WindowText(HWND window) {
    char text[2048] = "";
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &result);
    return text;
}

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != NULL ? WindowText(control) : std::string("<no control>");
}

std::wstring WideWindowText(HWND window) {
    wchar_t text[2048] = L"";
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, sizeof text / sizeof text[0],
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &result);
    return text;
}

std::wstring WideControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != NULL ? WideWindowText(control) : std::wstring(L"<no control>");
}

bool ControlVisible(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != NULL && IsWindowVisible(control);
}

bool ControlEnabled(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != NULL && IsWindowEnabled(control);
}

int FocusedControlId(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info) || info.hwndFocus == NULL)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

void ClickButton(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control != NULL)
        PostMessageA(control, BM_CLICK, 0, 0);
}

void TypeInto(HWND dialog, int id, const std::string &text) {
    HWND edit = GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 2000, &result);
    SendMessageTimeoutA(edit, WM_CHAR, VK_BACK, 1, SMTO_ABORTIFHUNG, 2000, &result);
    for (char c : text)
        SendMessageTimeoutA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1,
                            SMTO_ABORTIFHUNG, 2000, &result);
}

void Settle(DWORD milliseconds) {
    Sleep(milliseconds);
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&rect, origin.x, origin.y);
    return rect;
}

std::vector<unsigned> DrawnPixels(int width, int height, const std::function<void(HDC)> &draw) {
    std::vector<unsigned> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = NULL;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    draw(memory);
    GdiFlush();
    const unsigned *p = static_cast<const unsigned *>(bits);
    pixels.assign(p, p + size_t(width) * size_t(height));
    for (unsigned &px : pixels)
        px &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return pixels;
}

std::vector<unsigned> CapturePixels(const RECT &area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    return DrawnPixels(w, h, [&](HDC memory) {
        HDC screen = GetDC(NULL);
        BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
        ReleaseDC(NULL, screen);
    });
}

std::vector<unsigned> CaptureSettledPixels(const RECT &area) {
    std::vector<unsigned> last = CapturePixels(area);
    for (int i = 0; i < 25; ++i) {
        Sleep(200);
        std::vector<unsigned> now = CapturePixels(area);
        if (now == last)
            break;
        last.swap(now);
    }
    return last;
}
