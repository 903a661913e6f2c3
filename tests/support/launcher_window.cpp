// Starting the built launcher from the simulated title disc and reading its picture off the screen.
#include "launcher_window.h"

#include <dbt.h>

#include "tests/support/bmp_image.h"

HWND StartLauncherFromDisc(Process *process) {
    *process = StartProcess("E:\\RBRINDMOR.EXE", "E:\\");
    if (process->handle == NULL)
        return NULL;
    HWND dialog = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", process->id, 15000);
    Settle(500); // first paint
    return dialog;
}

static RECT PictureArea(HWND dialog, int width, int height, int x, int y) {
    RECT client = ClientRectOnScreen(dialog);
    return RECT{client.left + x, client.top + y, client.left + x + width, client.top + y + height};
}

std::vector<unsigned> PictureOnScreen(HWND dialog, int width, int height, int x, int y) {
    return CaptureSettledPixels(PictureArea(dialog, width, height, x, y));
}

std::vector<unsigned> PictureOnScreenNow(HWND dialog, int width, int height) {
    return CapturePixels(PictureArea(dialog, width, height, 0, 0));
}

bool SaveWindowShot(HWND dialog, const std::string &name) {
    RECT frame;
    GetWindowRect(dialog, &frame);
    RgbImage shot;
    shot.width = frame.right - frame.left;
    shot.height = frame.bottom - frame.top;
    shot.pixels = CaptureSettledPixels(frame);
    return !shot.pixels.empty() && WriteBmp24(ScreenshotPath(name), shot);
}

void BroadcastVolumeEvent(WPARAM event, DWORD deviceType) {
    DEV_BROADCAST_VOLUME volume = {};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = deviceType;
    volume.dbcv_unitmask = 1u << ('e' - 'a');
    DWORD recipients = BSM_APPLICATIONS;
    BroadcastSystemMessageA(BSF_QUERY, &recipients, WM_DEVICECHANGE, event,
                            reinterpret_cast<LPARAM>(&volume));
}
