// The machine test run before Play: processor, mouse, display, sound card and CD-ROM drive.
#pragma once
#include <windows.h>

// Runs every test; when something is missing shows one box listing all of it and returns FALSE.
// `instance` is the module whose string table holds the texts.
BOOL CheckSystemRequirements(HINSTANCE instance);

BOOL IsProcessorSufficient();
BOOL IsMousePresent();
BOOL IsScreenSizeAtLeast(int width, int height);
BOOL IsColorDepthAtLeast(DWORD minimumColors);
// Some asynchronous wave-out device supports every WAVE_FORMAT_ bit of the mask.
BOOL HasWaveOutDevice(DWORD formatMask);
// Some drive a: to z: is a CD-ROM drive, with or without a disc.
BOOL HasCdRomDrive();
