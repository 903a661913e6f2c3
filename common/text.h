// Bounded text operations shared by both programs: nothing is ever written past the destination.
#pragma once
#include <cstddef>

// Copies src into dst (capacity bytes, terminator included), cutting when it does not fit.
// Returns the length of the text now in dst.
size_t CopyText(char *dst, size_t capacity, const char *src);

// Appends src to the text already in dst, cutting when it does not fit. Returns the new length.
size_t AppendText(char *dst, size_t capacity, const char *src);

// Same as AppendText, but only when the whole of src fits; returns false and leaves dst as it was
// otherwise. For paths, where a cut text would name a different file.
bool AppendWhole(char *dst, size_t capacity, const char *src);

// Length of a text (our own, so portable decisions need no <cstring> of their callers).
size_t TextLength(const char *text);

// True when both texts are equal, byte for byte.
bool EqualText(const char *a, const char *b);

// True when both texts are equal ignoring the letter case of A-Z.
bool EqualIgnoringCase(const char *a, const char *b);

// Replaces the first "%" followed by `letter` with `replacement`, in place. The result is cut to
// fit `capacity` bytes (terminator included) instead of running past the buffer. Returns text.
char *SubstitutePlaceholder(char *text, size_t capacity, const char *replacement, char letter);

// Ends the text at the last occurrence of `character`; unchanged when it does not occur.
char *CutAtLastChar(char *text, char character);
