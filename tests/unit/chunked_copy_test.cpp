// The data file's copy loop: progress sequences, chunking, and how a failed copy ends.
#include <gtest/gtest.h>

#include "launcher/setup/chunked_copy.h"

#include <cstring>
#include <vector>

namespace {
// A source of `available` bytes (whatever its recorded size says) and a destination that keeps
// what it receives; reads or writes can be made to fail from a given call on.
struct FakeFiles {
    uint64_t available = 0;
    uint64_t offset = 0;
    bool keepBytes = false;
    int readsUntilFailure = -1;
    int writesUntilFailure = -1;
    bool shortWrites = false;
    std::vector<char> written;
    uint64_t writtenCount = 0;
    int reads = 0;
};
FakeFiles *gFiles = nullptr;

bool FakeRead(void *, char *buffer, uint32_t capacity, uint32_t *got) {
    FakeFiles &f = *gFiles;
    ++f.reads;
    if (f.readsUntilFailure == 0)
        return false;
    if (f.readsUntilFailure > 0)
        --f.readsUntilFailure;
    uint64_t left = f.available - f.offset;
    *got = uint32_t(left < capacity ? left : capacity);
    if (f.keepBytes)
        for (uint32_t i = 0; i < *got; ++i)
            buffer[i] = char((f.offset + i) * 7);
    f.offset += *got;
    return true;
}

bool FakeWrite(void *, const char *buffer, uint32_t count, uint32_t *put) {
    FakeFiles &f = *gFiles;
    if (f.writesUntilFailure == 0)
        return false;
    if (f.writesUntilFailure > 0)
        --f.writesUntilFailure;
    *put = f.shortWrites ? count - 1 : count;
    if (f.keepBytes)
        f.written.insert(f.written.end(), buffer, buffer + *put);
    f.writtenCount += *put;
    return true;
}

void Record(void *context, unsigned percent) {
    static_cast<std::vector<unsigned> *>(context)->push_back(percent);
}

struct CopyRun {
    bool complete;
    std::vector<unsigned> progress;
    DestinationWriter writer;
};

int gHandle = 0; // any non-null address stands for an open file

CopyRun RunCopy(FakeFiles &files, uint32_t recordedSize) {
    gFiles = &files;
    static char buffer[kChunkSize];
    SourceReader reader = {&gHandle, recordedSize};
    CopyRun run;
    run.writer = DestinationWriter{&gHandle, 0, kChunkSize, buffer, false};
    const FileIo io = {FakeRead, FakeWrite};
    const ProgressSink sink = {Record, &run.progress};
    run.complete = CopyInChunks(io, reader, run.writer, sink);
    return run;
}

CopyRun RunWholeCopy(uint64_t size) {
    FakeFiles files;
    files.available = size;
    return RunCopy(files, uint32_t(size));
}

using Sequence = std::vector<unsigned>;
} // namespace

TEST(SetupCopyProgress, SequencesAtTheChunkBoundaries) {
    EXPECT_EQ(Sequence({0, 100, 100}), RunWholeCopy(0).progress);
    EXPECT_EQ(Sequence({0, 100, 100}), RunWholeCopy(1).progress);
    EXPECT_EQ(Sequence({0, 100, 100}), RunWholeCopy(32767).progress);
    EXPECT_EQ(Sequence({0, 99, 100, 100}), RunWholeCopy(32768).progress);
    EXPECT_EQ(Sequence({0, 50, 100, 100}), RunWholeCopy(2 * 32767).progress);
    CopyRun empty = RunWholeCopy(0);
    EXPECT_TRUE(empty.complete);
    EXPECT_EQ(0u, empty.writer.written);
}

TEST(SetupCopyProgress, LargeSizesNeverOverflowAndRise) {
    // 0xFFFFFFFF bytes: written x 100 passes 32 bits after 43 MB.
    CopyRun run = RunWholeCopy(0xFFFFFFFFull);
    ASSERT_TRUE(run.complete);
    EXPECT_EQ(0xFFFFFFFFull, run.writer.written);
    size_t chunks = (0xFFFFFFFFull + kChunkSize - 1) / kChunkSize;
    ASSERT_EQ(chunks + 2, run.progress.size());
    for (size_t i = 1; i < run.progress.size(); ++i)
        ASSERT_LE(run.progress[i - 1], run.progress[i]) << "at message " << i;
    EXPECT_EQ(100u, run.progress.back());
    EXPECT_EQ(100u, run.progress[run.progress.size() - 2]);
    EXPECT_EQ(99u, run.progress[run.progress.size() - 3]);
    EXPECT_EQ(50u, InstallPercent(0x7FFFFFFFull + 1, 0xFFFFFFFFu)); // 2^31 of 2^32 - 1
    EXPECT_EQ(42u, InstallPercent(42, 100));
}

TEST(SetupCopyProgress, BytesArriveInOrderInChunksOf32767) {
    FakeFiles files;
    files.available = 100000;
    files.keepBytes = true;
    CopyRun run = RunCopy(files, 100000);
    ASSERT_TRUE(run.complete);
    ASSERT_EQ(100000u, files.written.size());
    for (size_t i = 0; i < files.written.size(); ++i)
        ASSERT_EQ(char(i * 7), files.written[i]) << "byte " << i;
    EXPECT_EQ(4, files.reads); // 3 x 32,767 + 1,699
}

TEST(SetupCopyEnd, ShortSourceEndsWithoutLoopingAndFails) {
    FakeFiles files;
    files.available = 40000; // recorded as 100,000
    CopyRun run = RunCopy(files, 100000);
    EXPECT_FALSE(run.complete);
    EXPECT_EQ(40000u, run.writer.written);
    EXPECT_EQ(3, files.reads); // 32,767, 7,233, then nothing
    EXPECT_EQ(Sequence({0, 32, 40, 100}), run.progress);

    FakeFiles none; // recorded size but no bytes at all
    CopyRun nothing = RunCopy(none, 5);
    EXPECT_FALSE(nothing.complete);
    EXPECT_EQ(Sequence({0, 100}), nothing.progress);
}

TEST(SetupCopyEnd, FailedReadsAndWritesStopTheCopyAndStillEndAt100) {
    FakeFiles readFails;
    readFails.available = 100000;
    readFails.readsUntilFailure = 1; // the second read fails
    CopyRun reading = RunCopy(readFails, 100000);
    EXPECT_FALSE(reading.complete);
    EXPECT_EQ(Sequence({0, 32, 100}), reading.progress);
    EXPECT_EQ(32767u, reading.writer.written);

    FakeFiles writeFails;
    writeFails.available = 100000;
    writeFails.writesUntilFailure = 0;
    CopyRun writing = RunCopy(writeFails, 100000);
    EXPECT_FALSE(writing.complete);
    EXPECT_EQ(Sequence({0, 100}), writing.progress);
    EXPECT_EQ(0u, writing.writer.written);

    FakeFiles partial; // a full disk takes part of a chunk
    partial.available = 100000;
    partial.shortWrites = true;
    CopyRun shortWrite = RunCopy(partial, 100000);
    EXPECT_FALSE(shortWrite.complete);
    EXPECT_EQ(Sequence({0, 100}), shortWrite.progress);
}

TEST(SetupCopyEnd, AGrownSourceStopsAtItsRecordedSizeAndNeverPasses100) {
    FakeFiles files;
    files.available = 1000000; // grew after it was sized
    CopyRun run = RunCopy(files, 40000);
    EXPECT_TRUE(run.complete);
    EXPECT_EQ(Sequence({0, 81, 100, 100}), run.progress);
    EXPECT_EQ(2 * 32767u, run.writer.written);
}

TEST(SetupCopyEnd, NoFileOrNoBufferIsACopyThatFailedAtOnce) {
    FakeFiles files;
    files.available = 10;
    gFiles = &files;
    char buffer[16];
    const FileIo io = {FakeRead, FakeWrite};
    std::vector<unsigned> progress;
    const ProgressSink sink = {Record, &progress};

    SourceReader missing = {nullptr, 0};
    DestinationWriter writer = {&gHandle, 0, kChunkSize, buffer, false};
    EXPECT_FALSE(CopyInChunks(io, missing, writer, sink));
    SourceReader present = {&gHandle, 10};
    DestinationWriter unopened = {nullptr, 0, 0, nullptr, false};
    EXPECT_FALSE(CopyInChunks(io, present, unopened, sink));
    EXPECT_EQ(Sequence({0, 100, 0, 100}), progress);
    EXPECT_EQ(0, files.reads);
}
