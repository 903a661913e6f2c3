// Paths put on a command line or in a batch line, quoted when a blank would split them.
#pragma once
#include <cstddef>

// The first `length` characters of the text into dst, in double quotes when they hold a blank
// (as they are otherwise). False, dst empty, when the result and its NUL do not fit `capacity`:
// a cut path would name another file.
bool PutQuotedIfBlank(const char *text, size_t length, char *dst, size_t capacity);

// Appends a whole path as one command-line argument, quoted when it holds a blank; whole or not
// at all (dst unchanged), like AppendWhole.
bool AppendPathArgument(char *dst, size_t capacity, const char *path);
