// Paths put on a command line or in a batch line, quoted when a blank would split them.
#pragma once
#include <cstddef>

// True when the first `length` characters of the text hold a blank.
bool HasBlank(const char *text, size_t length);

// The first `length` characters of the text into dst, in double quotes when they hold a blank
// (as they are otherwise). False, dst empty, when the result and its NUL do not fit `capacity`:
// a cut path would name another file.
bool PutQuotedIfBlank(const char *text, size_t length, char *dst, size_t capacity);
