// The install folder the Setup dialog or the browser chose and the install run uses.
#pragma once
#include <cstddef>

const size_t kInstallFolderCapacity = 256; // 255 characters and the terminator

const char *InstallFolder();
// Stores the folder, cut to 255 characters.
void SetInstallFolder(const char *folder);
