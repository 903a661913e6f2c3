// The data file's copy loop: chunks of 32,767 bytes, the percentage after each, and its end.
#pragma once
#include <cstdint>

const uint32_t kChunkSize = 32767;

// The largest data file the copy carries: its size travels in the reader's 32-bit count.
const uint64_t kLargestCopy = 0xFFFFFFFFull;

// An open source file and its size in bytes; both zero while none is open.
struct SourceReader {
    void *handle;
    uint32_t size;
};

// One copy's destination: the file, what has been written, the transfer buffer and the done flag.
// The count is 64-bit so a source that grows past its recorded size cannot wrap it.
struct DestinationWriter {
    void *handle;
    uint64_t written;
    uint32_t chunkSize;
    char *buffer;
    bool done;
};

// The file calls a copy goes through; each returns false when the call failed.
struct FileIo {
    bool (*read)(void *handle, char *buffer, uint32_t capacity, uint32_t *got);
    bool (*write)(void *handle, const char *buffer, uint32_t count, uint32_t *written);
};

// Where the percentages go.
struct ProgressSink {
    void (*send)(void *context, unsigned percent);
    void *context;
};

// Bytes written as a whole percentage of the size (a 64-bit product; 100 for an empty source,
// never more than 100).
unsigned InstallPercent(uint64_t written, uint32_t size);

// The whole copy: progress 0, one percentage per chunk, and a final 100 whatever happened.
// True only when every byte of the recorded size was written. A reader or writer without a file
// or buffer is a copy that failed at once (0, then 100).
bool CopyInChunks(const FileIo &io, SourceReader &reader, DestinationWriter &writer,
                  const ProgressSink &progress);
