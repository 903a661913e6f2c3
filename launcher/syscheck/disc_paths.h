// Paths on the title's disc ("0:\..." placeholders), the title root, and the title-drive values.
#pragma once
#include <cstddef>

// Title drive: a lower-case letter 'a'..'z', or one of these.
const unsigned char kTitleNotFound = 0;
const unsigned char kTitleUnderRoot = 255;

// Resolves a stored "0:\..." path in place: a letter replaces the "0"; 0 or 255 put the rest
// behind the title root. The result is cut to capacity rather than overflowing.
void ResolveDiscPath(char *path, size_t capacity, unsigned char titleDrive, const char *titleRoot);

// The folder above the launcher's own folder, with one trailing backslash, from its module path.
void TitleRootFromModulePath(const char *modulePath, char *root, size_t capacity);
