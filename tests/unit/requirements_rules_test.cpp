// What counts as enough machine: processor, colour depth and a usable wave device.
#include <gtest/gtest.h>

#include "launcher/syscheck/requirements_rules.h"

#include <vector>

namespace {
WaveDeviceFacts ReadFromVector(const void *context, unsigned device) {
    return (*static_cast<const std::vector<WaveDeviceFacts> *>(context))[device];
}
int Choose(const std::vector<WaveDeviceFacts> &devices, unsigned long mask = kWaveFormat2M08) {
    WaveDeviceList list = {ReadFromVector, &devices};
    return ChooseWaveDevice(list, unsigned(devices.size()), mask);
}
} // namespace

TEST(ColorDepthMeets, BitsPerPixelAndPlanes) {
    EXPECT_FALSE(ColorDepthMeets(1, 1, 256));
    EXPECT_FALSE(ColorDepthMeets(1, 4, 256)); // 16 colours
    EXPECT_TRUE(ColorDepthMeets(1, 8, 256));
    EXPECT_TRUE(ColorDepthMeets(1, 15, 256));
    EXPECT_TRUE(ColorDepthMeets(1, 16, 256));
    EXPECT_TRUE(ColorDepthMeets(1, 24, 256));
    EXPECT_TRUE(ColorDepthMeets(1, 32, 256));
    EXPECT_TRUE(ColorDepthMeets(4, 2, 256)); // planes count as much as bits
    EXPECT_FALSE(ColorDepthMeets(4, 1, 256));
    // 32 bits and more pass whatever is asked: no shift by 32 or more takes place.
    EXPECT_TRUE(ColorDepthMeets(1, 32, 0xFFFFFFFFul));
    EXPECT_TRUE(ColorDepthMeets(2, 32, 0xFFFFFFFFul));
    EXPECT_FALSE(ColorDepthMeets(1, 31, 0xFFFFFFFFul));
    EXPECT_FALSE(ColorDepthMeets(0, 8, 256));
}

TEST(ChooseWaveDevice, SyncFailingCapsAndFormats) {
    const WaveDeviceFacts good = {true, 0x0C, 0xFFF};
    const WaveDeviceFacts sync = {true, kWaveCapsSync | 0x0C, 0xFFF};
    const WaveDeviceFacts unread = {false, 0, 0xFFF};
    const WaveDeviceFacts noMono8 = {true, 0, 0xFFF & ~kWaveFormat2M08};
    EXPECT_EQ(-1, Choose({}));
    EXPECT_EQ(0, Choose({good}));
    EXPECT_EQ(-1, Choose({sync}));
    EXPECT_EQ(-1, Choose({unread}));
    EXPECT_EQ(-1, Choose({noMono8}));
    EXPECT_EQ(3, Choose({sync, unread, noMono8, good, good}));
    // Every bit of the mask is needed, not any one of them.
    EXPECT_EQ(-1, Choose({{true, 0, 0x10}}, 0x10 | 0x20));
    EXPECT_EQ(0, Choose({{true, 0, 0x30}}, 0x10 | 0x20));
}

TEST(ChooseWaveDevice, StopsAtTheFirstUsableDevice) {
    struct Probe {
        std::vector<WaveDeviceFacts> devices;
        mutable std::vector<unsigned> asked;
    } probe{{{false, 0, 0}, {true, 0, 0x10}, {true, 0, 0x10}}, {}};
    WaveDeviceList list = {[](const void *context, unsigned device) {
                               const Probe &p = *static_cast<const Probe *>(context);
                               p.asked.push_back(device);
                               return p.devices[device];
                           },
                           &probe};
    EXPECT_EQ(1, ChooseWaveDevice(list, 3, kWaveFormat2M08));
    EXPECT_EQ((std::vector<unsigned>{0, 1}), probe.asked);
}

TEST(ProcessorSufficient, BothShapesOfTheSystemInformation) {
    const struct {
        unsigned architecture, level;
        unsigned long type;
        bool sufficient;
    } rows[] = {
        // The NT family fills in the level.
        {kProcessorArchitectureX86, 3, 386, false},
        {kProcessorArchitectureX86, 4, 486, true},
        {kProcessorArchitectureX86, 6, 586, true},
        // The 9x family leaves the level 0 and names the processor by its type.
        {kProcessorArchitectureX86, 0, 386, false},
        {kProcessorArchitectureX86, 0, 486, true},
        {kProcessorArchitectureX86, 0, 586, true},
        {9, 0, 8664, true}, // x64
        {12, 0, 0, true},   // ARM64
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.sufficient, ProcessorSufficient(row.architecture, row.level, row.type))
            << row.architecture << " level " << row.level << " type " << row.type;
}
