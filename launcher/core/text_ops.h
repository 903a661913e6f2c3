// In-place text operations used for every message that names the title and for path cutting.
#pragma once
#include <cstddef>

// Replaces the first "%" followed by `letter` with `replacement`, in place. The result is cut to
// fit `capacity` bytes (terminator included) instead of running past the buffer. Returns text.
char *SubstitutePlaceholder(char *text, size_t capacity, const char *replacement, char letter);

// Ends the text at the last occurrence of `character`; unchanged when it does not occur.
char *CutAtLastChar(char *text, char character);
