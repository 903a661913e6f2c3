// Formatting into a fixed buffer through the system's own C library formatter, so the programs
// carry no formatter of their own (the toolchain's C99 one, with floating point, is about 25 KB).
#pragma once
#include <cstddef>

#if defined(_WIN32)
#define FORMAT_TEXT_CHECK __attribute__((format(ms_printf, 3, 4)))
#else
#define FORMAT_TEXT_CHECK __attribute__((format(printf, 3, 4)))
#endif

// Writes the formatted text into dst (capacity bytes, terminator included) and returns its length;
// returns -1 when it does not fit (dst then holds as much as fits, terminated) or capacity is 0.
int FormatText(char *dst, size_t capacity, const char *format, ...) FORMAT_TEXT_CHECK;
