// The Setup dialog's two space lines: "<label><drive> <n> KB".
#pragma once
#include <cstddef>
#include <cstdint>

// Decimal digits of a value into dst; returns dst.
char *FormatDecimal(uint64_t value, char *dst, size_t capacity);

// label, the first two characters of the folder as typed, then " <kb> KB".
void BuildSpaceLine(const char *label, const char *folder, uint64_t kb, char *dst, size_t capacity);
