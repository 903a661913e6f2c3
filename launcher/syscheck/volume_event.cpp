// What a device-change notification says about volumes, read from the structure another
// program sent only as far as its own size field vouches for.
#include "volume_event.h"

#include <cstdint>
#include <cstring>

namespace {
// DEV_BROADCAST_HDR: size, device type, reserved; DEV_BROADCAST_VOLUME adds the unit mask and
// the flags, so its fields end at byte 18.
const size_t kTypeAt = 4, kHeaderEnd = 12, kVolumeEnd = 18;
const uint32_t kVolumeType = 2; // DBT_DEVTYP_VOLUME

uint32_t FieldAt(const void *data, size_t at) {
    uint32_t value;
    std::memcpy(&value, static_cast<const unsigned char *>(data) + at, sizeof value);
    return value;
}
} // namespace

VolumeEvent ReadVolumeEvent(unsigned long event, const void *data) {
    if ((event != kDeviceArrival && event != kDeviceRemoveComplete) || data == nullptr)
        return NotAVolumeEvent;
    // The size field comes first; nothing behind it is read unless it says the bytes are there.
    const uint32_t size = FieldAt(data, 0);
    if (size < kHeaderEnd || FieldAt(data, kTypeAt) != kVolumeType || size < kVolumeEnd)
        return NotAVolumeEvent;
    return event == kDeviceArrival ? VolumeArrived : VolumeRemoved;
}
