// The yardstick for the launcher's start-up: the smallest Win32 program that shows a dialog.
#include <windows.h>

static INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // An in-memory template: one visible, captioned dialog without controls.
    alignas(4) WORD memory[64] = {};
    DLGTEMPLATE *dt = reinterpret_cast<DLGTEMPLATE *>(memory);
    dt->style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    dt->cx = 200;
    dt->cy = 100;
    WORD *p = reinterpret_cast<WORD *>(dt + 1);
    *p++ = 0; // no menu
    *p++ = 0; // default class
    const char caption[] = "Minimal";
    for (const char *c = caption; *c != '\0'; ++c)
        *p++ = WORD(*c);
    *p++ = 0;
    DialogBoxIndirectParamA(instance, dt, NULL, MinimalProc, 0);
    return 0;
}
