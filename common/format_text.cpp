// Bounded formatting over the system's formatter, with one contract on every system.
#include "format_text.h"

#include <cstdarg>
#include <cstdio>

int FormatText(char *dst, size_t capacity, const char *format, ...) {
    if (capacity == 0)
        return -1;
    va_list args;
    va_start(args, format);
#if defined(_WIN32)
    // In every version of the system's C library, but it leaves a text that exactly fills the
    // buffer unterminated and answers -1 for one that does not fit.
    const int length = _vsnprintf(dst, capacity, format, args);
#else
    const int length = std::vsnprintf(dst, capacity, format, args);
#endif
    va_end(args);
    if (length < 0 || size_t(length) >= capacity) {
        dst[capacity - 1] = '\0';
        return -1;
    }
    return length;
}
