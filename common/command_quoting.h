// Paths put on a command line or in a batch line: quoted so that the interpreter takes them whole.
#pragma once
#include <cstddef>

// The first `length` characters of the text into dst, in double quotes when they hold a blank
// (as they are otherwise). False, dst empty, when the result and its NUL do not fit `capacity`:
// a cut path would name another file.
bool PutQuotedIfBlank(const char *text, size_t length, char *dst, size_t capacity);

// Appends a whole path as one command-line argument, quoted when it holds a blank; whole or not
// at all (dst unchanged), like AppendWhole.
bool AppendPathArgument(char *dst, size_t capacity, const char *path);

// The first `length` characters of a path as one argument of a batch-file line: always in double
// quotes, each "%" doubled (a batch file reads "%" as a variable's start even inside quotes).
// False, dst empty, when the result and its NUL do not fit `capacity`, or the path holds a quote or
// a control character, which no quoting keeps inside one argument of one line.
bool PutBatchPath(const char *path, size_t length, char *dst, size_t capacity);
