// What counts as enough machine for the title: processor, colour depth and a usable wave device.
#include "requirements_rules.h"

bool ProcessorSufficient(unsigned architecture, unsigned level, unsigned long type) {
    if (architecture != kProcessorArchitectureX86)
        return true;
    if (level == 0) // the 9x family leaves the level out and names the processor by its type
        return type >= kProcessorIntel486;
    return level >= 4;
}

bool ColorDepthMeets(int planes, int bitsPerPixel, unsigned long minimumColors) {
    long bits = long(planes) * long(bitsPerPixel);
    if (bits >= 32)
        return true; // 2^32 does not fit the 32-bit colour count; it is plenty anyway
    if (bits < 0)
        bits = 0;
    unsigned long colors = 1ul << bits;
    return colors >= minimumColors;
}

// A device is usable when its caps were read, it is not synchronous-only and it supports every
// format bit of the mask.
static bool WaveDeviceUsable(const WaveDeviceFacts &device, unsigned long formatMask) {
    if (!device.capsRead)
        return false;
    if ((device.support & kWaveCapsSync) != 0)
        return false; // a synchronous device would block the player while it plays
    return (device.formats & formatMask) == formatMask;
}

int ChooseWaveDevice(const WaveDeviceList &devices, unsigned count, unsigned long formatMask) {
    for (unsigned device = 0; device < count; ++device)
        if (WaveDeviceUsable(devices.read(devices.context, device), formatMask))
            return int(device);
    return -1;
}
