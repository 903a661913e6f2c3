// Asking a drive for its free space.
#pragma once
#include "drive_space.h"

// Fills space for a root path such as "C:\"; 0 (all zero) when the drive does not exist,
// otherwise the result of the cluster query (non-zero on success).
int QueryDriveSpace(const char *root, DriveSpace *space);
