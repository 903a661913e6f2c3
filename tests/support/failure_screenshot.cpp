// Saves the whole screen when a Wine test first fails, as failed-<suite>.<test>.bmp in the
// screenshot folder (BRINDLE_SCREENS, else the build's screens/), so that what the test saw can
// still be looked at once the rig and its X server are gone. Linked into every Wine test program.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/bmp_image.h"
#include "tests/support/driver.h"

#include <cstdio>
#include <string>

namespace {
// The first failure of each test: the screen then, before the test's clean-up closes its windows.
class ScreenOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { saved_ = false; }
    void OnTestPartResult(const ::testing::TestPartResult &result) override {
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        if (saved_ || !result.failed() || test == NULL)
            return;
        saved_ = true;
        RgbImage shot;
        shot.width = GetSystemMetrics(SM_CXSCREEN);
        shot.height = GetSystemMetrics(SM_CYSCREEN);
        const RECT screen = {0, 0, shot.width, shot.height};
        shot.pixels = CapturePixels(screen);
        std::string name = std::string("failed-") + test->test_suite_name() + "." + test->name();
        for (char &c : name)
            if (c == '/' || c == '\\' || c == ':')
                c = '-'; // parameterised tests' names
        const std::string path = ScreenshotPath(name + ".bmp");
        if (!shot.pixels.empty() && WriteBmp24(path, shot))
            std::printf("The screen at the failure: %s\n", path.c_str());
    }
    bool saved_ = false;
};

[[maybe_unused]] const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenOnFailure);
    return true;
}();
} // namespace
