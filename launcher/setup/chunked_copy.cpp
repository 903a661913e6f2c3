// The data file's copy loop: chunks of 32,767 bytes, the percentage after each, and its end.
#include "chunked_copy.h"

namespace {
enum ChunkResult {
    ChunkMoved,  // the chunk is written (the done flag tells whether it was the last)
    ChunkFailed, // a read or write failed, or wrote less than it was given
    ChunkShort,  // the source ended before its recorded size
};

// Moves one chunk from the source to the destination.
ChunkResult CopyChunk(const FileIo &io, SourceReader &reader, DestinationWriter &writer) {
    uint32_t got = 0;
    if (!io.read(reader.handle, writer.buffer, writer.chunkSize, &got))
        return ChunkFailed;
    if (got == 0 && writer.written < reader.size)
        return ChunkShort; // would otherwise read nothing forever
    uint32_t put = 0;
    if (got > 0 && (!io.write(writer.handle, writer.buffer, got, &put) || put != got))
        return ChunkFailed;
    writer.written += got;
    if (writer.written >= reader.size)
        writer.done = true;
    return ChunkMoved;
}
} // namespace

unsigned InstallPercent(uint64_t written, uint32_t size) {
    if (size == 0 || written >= size)
        return 100;
    return unsigned(written * 100 / size);
}

bool CopyInChunks(const FileIo &io, SourceReader &reader, DestinationWriter &writer,
                  const ProgressSink &progress) {
    progress.send(progress.context, 0);
    bool complete = false;
    if (reader.handle != nullptr && writer.handle != nullptr && writer.buffer != nullptr &&
        writer.chunkSize > 0) {
        while (!writer.done) {
            if (CopyChunk(io, reader, writer) != ChunkMoved)
                break;
            progress.send(progress.context, InstallPercent(writer.written, reader.size));
        }
        complete = writer.done;
    }
    progress.send(progress.context, 100);
    return complete;
}
