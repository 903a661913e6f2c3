// Which string block of a version resource to ask for a value.
#pragma once
#include <cstddef>

// Builds "\StringFileInfo\LLLLCCCC\<name>" for the first language and code page of the
// resource's Translation list (`words` 16-bit values), or for 0409/04B0 when the list is empty.
// Returns false, with an empty path, when it does not fit.
bool VersionValuePath(const unsigned short *translation, size_t words, const char *name, char *path,
                      size_t capacity);
