// The machine test run before Play: processor, mouse, display, sound card and CD-ROM drive.
#include "requirements.h"

#include <mmsystem.h>

#include "../../common/string_source.h"
#include "../../common/system_library.h"
#include "../resources/resource_ids.h"
#include "requirements_message.h"
#include "requirements_rules.h"

static BOOL IsProcessorSufficient() {
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return ProcessorSufficient(info.wProcessorArchitecture, info.wProcessorLevel,
                               info.dwProcessorType);
}

static BOOL IsMousePresent() {
    return GetSystemMetrics(SM_MOUSEPRESENT) != 0;
}

static BOOL IsScreenSizeAtLeast(int width, int height) {
    if (GetSystemMetrics(SM_CXSCREEN) < width)
        return FALSE;
    return GetSystemMetrics(SM_CYSCREEN) >= height;
}

static BOOL IsColorDepthAtLeast(DWORD minimumColors) {
    HDC screen = GetDC(NULL);
    if (screen == NULL)
        return FALSE;
    int planes = GetDeviceCaps(screen, PLANES);
    int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(NULL, screen);
    return ColorDepthMeets(planes, bits, minimumColors);
}

// The sound functions are reached when Play checks the machine: loading the multimedia DLL at
// start-up would delay the launcher's first window.
typedef UINT(WINAPI *WaveCountCall)();
typedef MMRESULT(WINAPI *WaveCapsCall)(UINT_PTR, LPWAVEOUTCAPSA, UINT);

static WaveDeviceFacts ReadWaveDevice(const void *, unsigned device) {
    WAVEOUTCAPSA caps = {};
    WaveDeviceFacts facts = {false, 0, 0};
    const WaveCapsCall readCaps = SystemCall<WaveCapsCall>("winmm.dll", "waveOutGetDevCapsA");
    if (readCaps != NULL && readCaps(device, &caps, sizeof caps) == MMSYSERR_NOERROR) {
        facts.capsRead = true;
        facts.support = caps.dwSupport;
        facts.formats = caps.dwFormats;
    }
    return facts;
}

// Some asynchronous wave-out device supports every WAVE_FORMAT_ bit of the mask. The sound library
// is not one of the system's known DLLs: SystemCall loads it from the system directory by its
// path, never found beside the program, and keeps it loaded with the drivers it started.
static BOOL HasWaveOutDevice(DWORD formatMask) {
    const WaveCountCall countDevices = SystemCall<WaveCountCall>("winmm.dll", "waveOutGetNumDevs");
    const UINT count = countDevices != NULL ? countDevices() : 0; // no DLL: no sound card to use
    WaveDeviceList devices = {ReadWaveDevice, NULL};
    return ChooseWaveDevice(devices, count, formatMask) >= 0;
}

// Some drive a: to z: is a CD-ROM drive, with or without a disc.
static BOOL HasCdRomDrive() {
    char root[4] = "a:\\";
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        root[0] = letter;
        if (GetDriveTypeA(root) == DRIVE_CDROM)
            return TRUE;
    }
    return FALSE;
}

BOOL CheckSystemRequirements(HINSTANCE instance) {
    RequirementFacts facts = {};
    facts.processor = IsProcessorSufficient();
    facts.mouse = IsMousePresent();
    // The depth is asked only of a screen that is large enough.
    facts.display = IsScreenSizeAtLeast(640, 480) && IsColorDepthAtLeast(256);
    facts.sound = HasWaveOutDevice(WAVE_FORMAT_2M08);
    facts.cdrom = HasCdRomDrive();

    StringTable strings = ModuleStrings(instance);
    char message[1024];
    if (!BuildRequirementMessage(facts, strings, LanguageBase(), message, sizeof message))
        return TRUE;
    char title[64];
    LoadFrom(strings, LanguageBase() + LANG_TITLE, title, sizeof title);
    MessageBoxA(NULL, message, title, MB_OK);
    return FALSE;
}
