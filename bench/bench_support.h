// What the benchmark programs share: a millisecond clock and a file of real bytes to copy.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Milliseconds from an arbitrary start, at the performance counter's resolution.
inline double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// A file of `mebibytes` MiB of real (not sparse) bytes, so that every copy reads them from the disk.
inline bool MakeRealBytes(const std::string &path, DWORD mebibytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    static char block[1 << 20];
    for (size_t i = 0; i < sizeof block; ++i)
        block[i] = char(i * 131 + (i >> 11));
    bool ok = true;
    for (DWORD i = 0; i < mebibytes && ok; ++i) {
        DWORD put = 0;
        ok = WriteFile(file, block, sizeof block, &put, NULL) && put == sizeof block;
    }
    CloseHandle(file);
    return ok;
}
