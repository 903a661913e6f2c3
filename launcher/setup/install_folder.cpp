// One spelling of the install folder: what Setup refuses in a folder's text.
#include "install_folder.h"

namespace {
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A level that Windows would store under another name: one ending in a dot or a blank, other
// than the relative levels "." and "..".
bool LevelLosesItsEnd(const char *level, size_t length) {
    if (length == 0)
        return false;
    const char last = level[length - 1];
    if (last != '.' && last != ' ')
        return false;
    const bool relative =
        (length == 1 && level[0] == '.') || (length == 2 && level[0] == '.' && level[1] == '.');
    return !relative;
}
} // namespace

FolderSpelling CheckFolderSpelling(const char *folder) {
    if (!IsLetter(folder[0]) || folder[1] != ':')
        return SpellingNotFull;
    if (folder[2] == '\0')
        return SpellingWhole; // a bare drive: its root, as the install's paths join it
    if (folder[2] != '\\')
        return SpellingNotFull;
    for (size_t start = 3;;) {
        size_t end = start;
        while (folder[end] != '\0' && folder[end] != '\\')
            ++end;
        if (LevelLosesItsEnd(folder + start, end - start))
            return SpellingDotOrBlank;
        if (folder[end] == '\0')
            return SpellingWhole;
        start = end + 1;
    }
}
