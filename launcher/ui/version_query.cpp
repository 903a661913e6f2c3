// Which string block of a version resource to ask for a value.
#include "version_query.h"

#include "../../common/format_text.h"

bool VersionValuePath(const unsigned short *translation, size_t words, const char *name, char *path,
                      size_t capacity) {
    if (capacity == 0)
        return false;
    unsigned language = 0x0409, codePage = 0x04B0; // US English, Unicode
    if (translation != nullptr && words >= 2) {
        language = translation[0];
        codePage = translation[1];
    }
    int length =
        FormatText(path, capacity, "\\StringFileInfo\\%04X%04X\\%s", language, codePage, name);
    if (length < 0 || size_t(length) >= capacity) {
        path[0] = '\0';
        return false;
    }
    return true;
}
