// One spelling of a path on this machine, so that two programs naming the same file by different
// texts (a short 8.3 name, a substitute drive, a junction) are seen to name the same file.
#pragma once
#include <cstddef>

// From QueryDosDeviceA's answer for a drive letter: the folder the drive stands for when it is a
// substitute drive ("\??\C:\GAMES" gives "C:\GAMES"); false (dst empty) for a device of its own.
bool SubstituteFolder(const char *deviceTarget, char *dst, size_t capacity);

// A file's identity as the system gives it. It counts only with an index: a file system that keeps
// none gives every file the index 0, which would make any two files "the same".
struct FileIdentity {
    unsigned long volume, indexHigh, indexLow;
};
bool SameIdentity(const FileIdentity &a, const FileIdentity &b);

// Win32 (long_path_win32.cpp).

// The folder a drive letter stands for when it is a substitute drive; false for any other drive,
// and where the system cannot say (Windows 95 has no QueryDosDeviceA).
bool SubstituteDriveFolder(char drive, char *dst, size_t capacity);

// The full form of a path with each level that exists by its long name (the rest as it is):
// GetLongPathNameA where the system has it, else level by level (LongPathFormByLevels). False
// (dst empty) when the system gives no full path or the result does not fit.
bool LongPathForm(const char *path, char *dst, size_t capacity);
bool LongPathFormByLevels(const char *path, char *dst, size_t capacity);

// LongPathForm with a substitute drive replaced by the folder it stands for.
bool CanonicalPath(const char *path, char *dst, size_t capacity);

// True when both paths name one existing file or folder by the system's identity of it (the NT
// family, whose identities are unique while the files are open); false when that is unknown.
bool SameFile(const char *a, const char *b);
