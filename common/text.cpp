// Bounded text operations shared by both programs: nothing is ever written past the destination.
#include "text.h"

#include <cstring>

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

bool EqualText(const char *a, const char *b) {
    for (; *a != '\0' && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

bool EqualIgnoringCase(const char *a, const char *b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (UpperAscii(*a) != UpperAscii(*b))
            return false;
    return *a == *b;
}

char *SubstitutePlaceholder(char *text, size_t capacity, const char *replacement, char letter) {
    if (capacity == 0)
        return text;
    size_t n = TextLength(text);
    if (n >= capacity) // an unterminated buffer: work on what fits
        n = capacity - 1;
    size_t p = 0;
    while (p + 1 < n && !(text[p] == '%' && text[p + 1] == letter))
        ++p;
    if (p + 1 >= n)
        return text;

    const size_t r = TextLength(replacement);
    const size_t last = capacity - 1; // highest index that may hold a character
    const size_t tailFrom = p + 2, tailLen = n - tailFrom;
    const size_t tailTo = p + r;
    size_t keptTail = 0;
    if (tailTo < last)
        keptTail = tailLen < last - tailTo ? tailLen : last - tailTo;
    std::memmove(text + (tailTo < last ? tailTo : last), text + tailFrom, keptTail);
    const size_t keptRepl = r < last - p ? r : last - p;
    std::memcpy(text + p, replacement, keptRepl);
    size_t end = p + keptRepl + (keptRepl == r ? keptTail : 0);
    text[end] = '\0';
    return text;
}

char *CutAtLastChar(char *text, char character) {
    char *cut = std::strrchr(text, character);
    if (cut != nullptr)
        *cut = '\0';
    return text;
}
