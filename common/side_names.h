// The names an installed file has beside its place while Setup puts a new copy in: the copy
// itself ("BRINDMOR.QK~") and an earlier installation's file kept aside ("BRINDMOR.QK#"). Setup
// makes them; Setup, the launcher's start and the uninstaller put right what a cut-off run left.
#pragma once
#include <cstddef>

const char kCopyMark = '~'; // the new file while it is copied beside its place
const char kKeptMark = '#'; // an earlier file, kept until the install that replaces it is whole

// The path with its last character replaced by `mark` ("...\BRINDMOR.QKT" gives
// "...\BRINDMOR.QK~"). False (dst empty) for an empty path or one that does not fit.
bool BuildSideName(const char *path, char mark, char *dst, size_t capacity);

// What a file's kept earlier copy needs once a run was cut off: moved back while its own name is
// missing (the run ended between the two renames), deleted while it is there (only whole, flushed
// copies are ever moved in). A copy beside its place is always deleted.
enum KeptFileRepair {
    KeptNothing,  // no kept file
    KeptMoveBack, // the only whole file: it takes its name again
    KeptDelete,   // the file at its own name replaced it
};
KeptFileRepair DecideKeptFile(bool finalExists, bool keptExists);
