// Paths put on a command line or in a batch line: quoted so that the interpreter takes them whole.
#include "command_quoting.h"

#include "text.h"

// True when the first `length` characters of the text hold a blank.
static bool HasBlank(const char *text, size_t length) {
    for (size_t i = 0; i < length && text[i] != '\0'; ++i)
        if (text[i] == ' ')
            return true;
    return false;
}

bool PutQuotedIfBlank(const char *text, size_t length, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    size_t quotes = HasBlank(text, length) ? 2 : 0;
    if (length + quotes + 1 > capacity)
        return false;
    size_t at = 0;
    if (quotes != 0)
        dst[at++] = '"';
    for (size_t i = 0; i < length; ++i)
        dst[at++] = text[i];
    if (quotes != 0)
        dst[at++] = '"';
    dst[at] = '\0';
    return true;
}

bool AppendPathArgument(char *dst, size_t capacity, const char *path) {
    const size_t used = TextLength(dst);
    return used < capacity && PutQuotedIfBlank(path, TextLength(path), dst + used, capacity - used);
}

bool PutBatchPath(const char *path, size_t length, char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    size_t at = 0;
    auto put = [&](char c) {
        if (at + 1 >= capacity)
            return false;
        dst[at++] = c;
        return true;
    };
    bool whole = put('"');
    for (size_t i = 0; whole && i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        whole = c >= 0x20 && c != '"' && put(path[i]) && (c != '%' || put('%'));
    }
    whole = whole && put('"');
    dst[whole ? at : 0] = '\0';
    return whole;
}
