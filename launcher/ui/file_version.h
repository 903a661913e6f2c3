// Reading the FileVersion text of a module file's version resource.
#pragma once
#include <windows.h>

#include <cstddef>

// Writes the FileVersion text of the file's version resource into out (capacity bytes), from the
// string block its Translation list names first; empty when there is none.
void GetFileVersionText(const char *path, char *out, size_t capacity);
