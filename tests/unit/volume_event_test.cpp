// Device-change notifications from other programs: only a well-formed volume structure counts,
// and nothing is read past the size it declares.
#include <gtest/gtest.h>

#include "launcher/syscheck/volume_event.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
// A structure of exactly `bytes` bytes (so a read past it is caught) whose size field says
// `declared` and whose device type is `type`, as far as the bytes reach.
std::vector<unsigned char> Notification(size_t bytes, uint32_t declared, uint32_t type) {
    std::vector<unsigned char> data(bytes, 0);
    const uint32_t fields[] = {declared, type, 0, 1u << ('e' - 'a')};
    std::memcpy(data.data(), fields, bytes < sizeof fields ? bytes : sizeof fields);
    return data;
}
} // namespace

TEST(ReadVolumeEvent, OnlyAWholeVolumeStructureCounts) {
    const struct {
        const char *what;
        unsigned long event;
        size_t bytes;
        uint32_t declared, type;
        VolumeEvent expected;
    } rows[] = {
        {"a volume removed", kDeviceRemoveComplete, 20, 20, 2, VolumeRemoved},
        {"a volume arrived", kDeviceArrival, 20, 20, 2, VolumeArrived},
        {"exactly the volume's fields", kDeviceRemoveComplete, 18, 18, 2, VolumeRemoved},
        {"a port removed", kDeviceRemoveComplete, 20, 20, 3, NotAVolumeEvent},
        {"a size field alone", kDeviceRemoveComplete, 4, 4, 2, NotAVolumeEvent},
        {"a header claiming a volume", kDeviceRemoveComplete, 12, 12, 2, NotAVolumeEvent},
        {"one byte short of a volume", kDeviceRemoveComplete, 17, 17, 2, NotAVolumeEvent},
        {"a size of zero", kDeviceArrival, 20, 0, 2, NotAVolumeEvent},
        {"another event", 0x0007 /* DBT_DEVNODES_CHANGED */, 1, 20, 2, NotAVolumeEvent},
    };
    for (const auto &row : rows) {
        std::vector<unsigned char> data = Notification(row.bytes, row.declared, row.type);
        EXPECT_EQ(row.expected, ReadVolumeEvent(row.event, data.data())) << row.what;
    }
    EXPECT_EQ(NotAVolumeEvent, ReadVolumeEvent(kDeviceRemoveComplete, nullptr));
}
