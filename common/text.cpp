// Bounded text copies shared by both programs: nothing is ever written past the destination.
#include "text.h"

size_t TextLength(const char *text) {
    size_t n = 0;
    while (text[n] != '\0')
        ++n;
    return n;
}

size_t CopyText(char *dst, size_t capacity, const char *src) {
    if (capacity == 0)
        return 0;
    size_t n = 0;
    while (n + 1 < capacity && src[n] != '\0') {
        dst[n] = src[n];
        ++n;
    }
    dst[n] = '\0';
    return n;
}

size_t AppendText(char *dst, size_t capacity, const char *src) {
    if (capacity == 0)
        return 0;
    size_t used = 0;
    while (used < capacity && dst[used] != '\0')
        ++used;
    if (used == capacity) { // not terminated inside its buffer: terminate at the end
        dst[capacity - 1] = '\0';
        return capacity - 1;
    }
    return used + CopyText(dst + used, capacity - used, src);
}

bool AppendWhole(char *dst, size_t capacity, const char *src) {
    size_t used = TextLength(dst);
    if (used + TextLength(src) + 1 > capacity)
        return false;
    CopyText(dst + used, capacity - used, src);
    return true;
}

static char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool EqualIgnoringCase(const char *a, const char *b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (UpperAscii(*a) != UpperAscii(*b))
            return false;
    return *a == *b;
}
