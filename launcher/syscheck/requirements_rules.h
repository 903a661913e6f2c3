// What counts as enough machine for the title: processor, colour depth and a usable wave device.
#pragma once
#include <cstddef>

// The values of the Win32 constants these rules read, kept here so the rules need no <windows.h>.
const unsigned kProcessorArchitectureX86 = 0; // PROCESSOR_ARCHITECTURE_INTEL
const unsigned long kProcessorIntel486 = 486; // PROCESSOR_INTEL_486
const unsigned long kWaveCapsSync = 0x0010;   // WAVECAPS_SYNC
const unsigned long kWaveFormat2M08 = 0x0010; // WAVE_FORMAT_2M08: 22.05 kHz, mono, 8 bits

// Any non-x86 machine passes; an x86 one needs processor level 4 (the 80486 class) or better. The
// 9x family fills in no level (0): there the processor type (386, 486, 586) decides.
bool ProcessorSufficient(unsigned architecture, unsigned level, unsigned long type);

// planes x bits per pixel gives the bit count; 32 bits or more always pass, otherwise 2 to that
// power must reach the minimum number of colours.
bool ColorDepthMeets(int planes, int bitsPerPixel, unsigned long minimumColors);

// What one wave-out device reported.
struct WaveDeviceFacts {
    bool capsRead;         // waveOutGetDevCapsA answered MMSYSERR_NOERROR
    unsigned long support; // dwSupport
    unsigned long formats; // dwFormats
};

// The devices are read one at a time, in increasing order, and only until one is usable.
struct WaveDeviceList {
    WaveDeviceFacts (*read)(const void *context, unsigned device);
    const void *context;
};

// The first usable device of `count`, or -1 when none is.
int ChooseWaveDevice(const WaveDeviceList &devices, unsigned count, unsigned long formatMask);
