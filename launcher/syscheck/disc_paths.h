// Paths on the title's disc ("0:\..." placeholders), the title root, and where the title is.
#pragma once
#include <cstddef>

// Title drive: a lower-case letter 'a'..'z', or one of these.
const unsigned char kTitleNotFound = 0;
const unsigned char kTitleUnderRoot = 255;

const size_t kTitleRootCapacity = 256;

// Where the title's files are: the drive holding its disc, or the title root (the folder above
// the launcher's own) when `drive` is kTitleUnderRoot. The root is empty until it was needed.
struct TitleLocation {
    unsigned char drive;
    char root[kTitleRootCapacity];
};

// Resolves a stored "0:\..." path into dst: a drive letter replaces the "0"; otherwise the rest
// goes behind the title root. False (dst empty) for an empty path or when the whole does not fit.
bool ResolveDiscPath(const char *stored, const TitleLocation &location, char *dst, size_t capacity);

// A file in the disc's root folder ("0:\" and its name), resolved as ResolveDiscPath does.
bool ResolveDiscFile(const char *fileName, const TitleLocation &location, char *dst,
                     size_t capacity);

// The folder above the launcher's own folder, with one trailing backslash, from its module path.
// False (root empty) when it does not fit whole.
bool TitleRootFromModulePath(const char *modulePath, char *root, size_t capacity);
