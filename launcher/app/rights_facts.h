// Gathering what the system says about the launcher's rights.
#pragma once
#include "elevation.h"

// The family, whether the system has elevation, the token's elevation and type, and whether UAC
// is on. The token calls are reached through GetProcAddress: Windows 95 has none of them.
RightsFacts GatherRightsFacts();
