// Stand-in for the title's engine player: a "TWL_ORB" window captioned with the title, a picture
// and a close button. It notes its command line so tests can see how it was started.
#include <windows.h>

#include <cstdio>

static const char kClass[] = "TWL_ORB";
static const int kCloseId = 100;

// Appends the command line to the file named by BRINDLE_PLAYER_LOG, when that is set.
static void RecordCommandLine() {
    char log[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("BRINDLE_PLAYER_LOG", log, sizeof log);
    if (n == 0 || n >= sizeof log)
        return;
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char line[1100];
    int length = std::snprintf(line, sizeof line, "%s\r\n", GetCommandLineA());
    if (length > 0) {
        DWORD written = 0;
        WriteFile(file, line, DWORD(length < int(sizeof line) ? length : int(sizeof line) - 1),
                  &written, NULL);
    }
    CloseHandle(file);
}

static void PaintScene(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT area;
    GetClientRect(window, &area);
    for (int y = 0; y < area.bottom; y += 4) { // dusk sky, darker towards the top
        int shade = 40 + 150 * y / (area.bottom ? area.bottom : 1);
        HBRUSH band = CreateSolidBrush(RGB(shade, shade / 3, 90 - shade / 4));
        RECT strip = {0, y, area.right, y + 4};
        FillRect(dc, &strip, band);
        DeleteObject(band);
    }
    HBRUSH hill = CreateSolidBrush(RGB(30, 60, 35));
    HGDIOBJ oldBrush = SelectObject(dc, hill);
    Ellipse(dc, -80, area.bottom * 2 / 3, area.right + 80, area.bottom * 2);
    SelectObject(dc, oldBrush);
    DeleteObject(hill);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 230, 160));
    DrawTextA(dc, "Brindlemoor", -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &ps);
}

static LRESULT CALLBACK PlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateWindowA("BUTTON", "Close", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                      window, reinterpret_cast<HMENU>(kCloseId), NULL, NULL);
        return 0;
    case WM_PAINT:
        PaintScene(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCloseId)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    RecordCommandLine();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlayerProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClass;
    if (!RegisterClassA(&wc))
        return 1;
    HWND window = CreateWindowA(kClass, "Brindlemoor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 480, 360, NULL, NULL, instance, NULL);
    if (window == NULL)
        return 1;
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
