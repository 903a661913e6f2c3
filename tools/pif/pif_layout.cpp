// The byte layout of the uninstaller's program information file template (545 bytes).
#include "pif_layout.h"

#include <cstring>

namespace {

void PutWord(uint8_t *at, unsigned value) {
    at[0] = uint8_t(value & 0xFF);
    at[1] = uint8_t((value >> 8) & 0xFF);
}

void PutDword(uint8_t *at, unsigned long value) {
    PutWord(at, unsigned(value & 0xFFFF));
    PutWord(at + 2, unsigned((value >> 16) & 0xFFFF));
}

// Text, then a NUL, then `pad` up to the field's size.
void PutField(uint8_t *at, size_t size, const char *text, uint8_t pad) {
    size_t n = std::strlen(text);
    std::memcpy(at, text, n);
    at[n] = 0;
    std::memset(at + n + 1, pad, size - n - 1);
}

void PutHeader(uint8_t *at, const char *name, unsigned next, unsigned dataAt, unsigned length) {
    std::memset(at, 0, 16);
    std::memcpy(at, name, std::strlen(name));
    PutWord(at + 16, next);
    PutWord(at + 18, dataAt);
    PutWord(at + 20, length);
}

void PutBasicSection(uint8_t *b) {
    b[0x00] = 0;
    b[0x01] = 0x25;                 // the template's checksum, left as it is after the patch
    std::memset(b + 0x02, ' ', 30); // window title
    PutWord(b + 0x20, 128);         // largest conventional memory, KB
    PutWord(b + 0x22, 128);         // smallest conventional memory, KB
    PutField(b + kPifProgramOffset, kPifProgramSize, "TEST.BAT", ' ');
    b[0x63] = 0x10; // close the window when the program ends
    b[0x64] = 0;
    PutField(b + 0x65, 64, "", ' '); // start-up directory
    std::memset(b + 0xA5, 0, 64);    // parameters
    static const uint8_t kScreen[10] = {0x00, 0x01, 0x00, 0xFF, 0x19, 0x50, 0x00, 0x00, 0x07, 0x00};
    std::memcpy(b + 0xE5, kScreen, sizeof kScreen);
    std::memset(b + 0xEF, 0, 128); // shared program and data file names
    PutWord(b + 0x16F, 0x20E0);
}

void PutEnhancedSection(uint8_t *d) {
    static const unsigned kWords[8] = {640, 128, 100, 100, 1024, 0, 1024, 0};
    for (int i = 0; i < 8; ++i)
        PutWord(d + 2 * i, kWords[i]);
    PutDword(d + 16, 0x3002);
    PutDword(d + 20, 0x1F);
    std::memset(d + 24, 0, 16);
    std::memset(d + 40, ' ', 64);
}

} // namespace

void BuildPifTemplate(uint8_t (&out)[kPifTemplateSize]) {
    std::memset(out, 0, sizeof out);
    PutBasicSection(out);
    PutHeader(out + 0x171, "MICROSOFT PIFEX", 0x187, 0x000, 0x171);
    PutHeader(out + 0x187, "WINDOWS 386 3.0", 0x205, 0x19D, 0x68);
    PutEnhancedSection(out + 0x19D);
    PutHeader(out + 0x205, "WINDOWS 286 3.0", 0xFFFF, 0x21B, 6);
    std::memset(out + 0x21B, 0, 6);
}

uint8_t PifChecksum(const uint8_t *bytes, size_t size) {
    unsigned sum = 0;
    for (size_t i = kPifChecksumFirst; i <= kPifChecksumLast && i < size; ++i)
        sum += bytes[i];
    return uint8_t(sum & 0xFF);
}
