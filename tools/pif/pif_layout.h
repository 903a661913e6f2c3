// The byte layout of the uninstaller's program information file template (545 bytes).
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kPifTemplateSize = 545;
constexpr size_t kPifChecksumOffset = 0x01;
constexpr size_t kPifChecksumFirst = 0x02; // the checksum covers 0x02..0x170
constexpr size_t kPifChecksumLast = 0x170;
constexpr size_t kPifProgramOffset = 0x24;
constexpr size_t kPifProgramSize = 63;
constexpr size_t kPifBasicSize = 0x171;

// Fills out with the template: the basic section, then the three section headers and their data.
void BuildPifTemplate(uint8_t (&out)[kPifTemplateSize]);

// Sum of the bytes 0x02..0x170 modulo 256.
uint8_t PifChecksum(const uint8_t *bytes, size_t size);
