// What a device-change notification says about volumes, read from the structure another
// program sent only as far as its own size field vouches for.
#pragma once

enum VolumeEvent {
    NotAVolumeEvent, // another event, another kind of device, or a malformed structure
    VolumeArrived,
    VolumeRemoved,
};

// The values of the Win32 constants read here, so the decision needs no <windows.h>.
const unsigned long kDeviceArrival = 0x8000;        // DBT_DEVICEARRIVAL
const unsigned long kDeviceRemoveComplete = 0x8004; // DBT_DEVICEREMOVECOMPLETE

// The event (WM_DEVICECHANGE's wParam) and the structure behind its lParam: a DEV_BROADCAST_HDR
// whose size field covers a whole DEV_BROADCAST_VOLUME. The structure is read only for the two
// volume events, whose lParam is one.
VolumeEvent ReadVolumeEvent(unsigned long event, const void *data);
