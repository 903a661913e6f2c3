// Splits a fuzz input into the fields a target needs, and copies texts into buffers of their
// exact size so that ASan sees a read or write one byte past them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

struct FuzzInput {
    const uint8_t *data;
    size_t size;

    // The next byte; 0 once the input is used up.
    uint8_t Byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }

    // The next eight bytes, little-endian (missing bytes count as 0).
    uint64_t Value64() {
        uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value |= uint64_t(Byte()) << (8 * i);
        return value;
    }

    // The text up to the next line feed (which is dropped), ended at its first NUL: what a
    // C-string source such as an INI value, registry string or edit box can hold.
    std::string Line() {
        size_t n = 0;
        while (n < size && data[n] != '\n')
            ++n;
        std::string line(reinterpret_cast<const char *>(data), n);
        size_t used = n < size ? n + 1 : n;
        data += used;
        size -= used;
        return line.c_str();
    }

    // All remaining bytes, NULs and line feeds included.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char *>(data), size);
        data += size;
        size = 0;
        return rest;
    }
};

// The text and its terminator in a heap buffer of exactly that size.
inline std::unique_ptr<char[]> ExactText(const std::string &text) {
    std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    return buffer;
}

// An output buffer of exactly `capacity` bytes (none at all for 0), filled with a non-NUL byte so
// that a result left unterminated shows.
inline std::unique_ptr<char[]> OutputBuffer(size_t capacity) {
    std::unique_ptr<char[]> buffer(new char[capacity]);
    std::memset(buffer.get(), '#', capacity);
    return buffer;
}

// True when the buffer holds a terminator within its capacity.
inline bool Terminated(const char *buffer, size_t capacity) {
    for (size_t i = 0; i < capacity; ++i)
        if (buffer[i] == '\0')
            return true;
    return false;
}
