// Making the install folder canonical: its full path with each existing level's long name.
#include "install_folder.h"

#include "../../common/long_path.h"
#include "../../common/text.h"

namespace {
const size_t kSubstituteCapacity = 272; // any target QueryDosDeviceA gives for a drive

bool EndsWithBackslash(const char *text) {
    const size_t length = TextLength(text);
    return length > 0 && text[length - 1] == '\\';
}
} // namespace

FolderCheck MakeFolderCanonical(const char *typed, char *dst, size_t capacity) {
    if (capacity == 0)
        return FolderUnresolved;
    dst[0] = '\0';
    switch (CheckFolderSpelling(typed)) {
    case SpellingNotFull:
        return FolderNotFull;
    case SpellingDotOrBlank:
        return FolderDotOrBlank;
    case SpellingWhole:
        break;
    }
    char substituted[kSubstituteCapacity];
    if (SubstituteDriveFolder(typed[0], substituted, sizeof substituted))
        return FolderSubstDrive;
    // A bare drive stands for its root: the system's full path would be the drive's current folder.
    if (typed[2] == '\0') {
        if (TextLength(typed) + 1 > capacity)
            return FolderUnresolved;
        CopyText(dst, capacity, typed);
        return FolderCanonical;
    }
    if (!LongPathForm(typed, dst, capacity))
        return FolderUnresolved;
    // One spelling: "C:\TWL\" is "C:\TWL"; a drive's root keeps its backslash.
    const size_t length = TextLength(dst);
    if (length > 3 && EndsWithBackslash(dst))
        dst[length - 1] = '\0';
    return FolderCanonical;
}
