// One spelling of the install folder: what Setup refuses in a folder's text, and the Win32 side
// that makes an accepted folder canonical (install_folder_win32.cpp), so that the record, the
// entry and the uninstaller's own path name it alike.
#pragma once
#include <cstddef>

enum FolderSpelling {
    SpellingWhole,      // "X:\..." (or a bare drive "X:", which stands for its root)
    SpellingNotFull,    // no drive, or a drive without its backslash ("C:TWL", "\TWL", "TWL")
    SpellingDotOrBlank, // a level ending in a dot or a blank, which Windows drops from the name
};

// The spelling of a folder's text. "." and ".." levels are taken: the full path resolves them.
FolderSpelling CheckFolderSpelling(const char *folder);

// Why a typed folder cannot be made canonical, or FolderCanonical.
enum FolderCheck {
    FolderCanonical,
    FolderNotFull,
    FolderDotOrBlank,
    // A drive that stands for a folder of another drive (SUBST): its letter exists only in the
    // session of the user who made it, so neither Windows' list of programs nor an elevated
    // process can rely on the paths Setup would record.
    FolderSubstDrive,
    FolderUnresolved, // the system gave no full path, or it does not fit
};

// Checks the typed folder and writes its canonical form: the full path, each existing level by
// its long name, no backslash at the end but a drive root's ("X:" stays as it is). dst is empty
// unless FolderCanonical. Win32 (install_folder_win32.cpp).
FolderCheck MakeFolderCanonical(const char *typed, char *dst, size_t capacity);
