// Device-change notifications over any bytes: a notification arrives as many bytes as its size
// field says (the system copies that much between processes), and nothing past them is read.
#include "fuzz_input.h"
#include "launcher/syscheck/volume_event.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const uint8_t kind = input.Byte();
    const unsigned long event = kind % 3 == 0   ? kDeviceArrival
                                : kind % 3 == 1 ? kDeviceRemoveComplete
                                                : 0x0007; // DBT_DEVNODES_CHANGED
    // The size field comes first and is the notification's own length.
    const size_t length = input.size < 4 ? 4 : input.size;
    std::unique_ptr<uint8_t[]> notification(new uint8_t[length]());
    if (input.size > 0)
        std::memcpy(notification.get(), input.data, input.size);
    const uint32_t declared = uint32_t(length);
    std::memcpy(notification.get(), &declared, 4);
    const VolumeEvent read = ReadVolumeEvent(event, notification.get());
    if (read != NotAVolumeEvent && (length < 18 || event == 0x0007))
        __builtin_trap(); // only a whole volume structure of a volume event counts
    return 0;
}
