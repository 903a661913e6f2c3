// Putting the batch file's path into the program field of the PIF template.
#pragma once
#include <cstddef>

constexpr size_t kPifProgramField = 0x24;
constexpr size_t kPifProgramFieldSize = 63;

// Copies the path and its NUL to offset 0x24; the rest of the field and the checksum keep the
// template's bytes. False, nothing changed, when the path and its NUL do not fit the 63-byte field
// (a cut path would start another file) or the block is too small to hold the field.
bool PutPifProgram(unsigned char *block, size_t size, const char *batchPath);
