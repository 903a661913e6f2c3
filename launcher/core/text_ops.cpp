// In-place text operations used for every message that names the title and for path cutting.
#include "text_ops.h"

#include "../../common/text.h"

#include <cstring>

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
