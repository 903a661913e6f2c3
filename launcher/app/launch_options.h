// What a launcher runs with besides its command line. The shipped launcher runs with none of these
// set; only test builds (tools/standins/launcher_seams) set them, to make the copy pause after
// each chunk or the rights read as those of another system.
#pragma once
#include <windows.h>

#include "elevation.h"

struct LaunchOptions {
    DWORD pausePerChunk; // milliseconds the install waits after each progress message
    bool rightsGiven;    // take `rights` instead of asking the system
    RightsFacts rights;
};
