// Opening, copying and closing the install's files through the Win32 file calls.
#include "install_files.h"

#include "../../common/text.h"

#include "install_progress.h"

static SourceReader gSource = {nullptr, 0};

SourceReader &InstallSource() {
    return gSource;
}

uint64_t &InstallSourceBytes() {
    static uint64_t bytes = 0;
    return bytes;
}

uint64_t FileBytes(const char *path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return 0;
    return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

BOOL OpenSourceFile(const char *path, SourceReader *reader) {
    reader->handle = nullptr;
    reader->size = 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD high = 0;
    SetLastError(NO_ERROR);
    DWORD size = GetFileSize(file, &high);
    // A size past 32 bits cannot be copied with 32-bit counts: such a file does not count.
    bool sized = !(size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) && high == 0;
    if (GetFileType(file) != FILE_TYPE_DISK || !sized) {
        CloseHandle(file);
        return FALSE;
    }
    reader->handle = file;
    reader->size = size;
    return TRUE;
}

void CloseSourceFile(SourceReader *reader) {
    if (reader->handle != nullptr)
        CloseHandle(reader->handle);
    reader->handle = nullptr;
}

BOOL OpenDestinationFile(const char *path, DestinationWriter *writer) {
    *writer = DestinationWriter{nullptr, 0, 0, nullptr, false};
    char *buffer = static_cast<char *>(HeapAlloc(GetProcessHeap(), 0, kChunkSize));
    if (buffer == nullptr)
        return FALSE;
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        HeapFree(GetProcessHeap(), 0, buffer);
        return FALSE;
    }
    writer->handle = file;
    writer->buffer = buffer;
    writer->chunkSize = kChunkSize;
    return TRUE;
}

void CloseDestinationFile(DestinationWriter *writer) {
    if (writer->handle != nullptr)
        CloseHandle(writer->handle);
    if (writer->buffer != nullptr)
        HeapFree(GetProcessHeap(), 0, writer->buffer);
    writer->handle = nullptr;
    writer->buffer = nullptr;
}

namespace {
bool ReadChunk(void *handle, char *buffer, uint32_t capacity, uint32_t *got) {
    DWORD count = 0;
    BOOL ok = ReadFile(static_cast<HANDLE>(handle), buffer, capacity, &count, NULL);
    *got = count;
    return ok != FALSE;
}

bool WriteChunk(void *handle, const char *buffer, uint32_t count, uint32_t *written) {
    DWORD put = 0;
    BOOL ok = WriteFile(static_cast<HANDLE>(handle), buffer, count, &put, NULL);
    *written = put;
    return ok != FALSE;
}

void SendProgress(void *context, unsigned percent) {
    SendMessageA(static_cast<HWND>(context), WM_INSTALLPROGRESS, percent, 0);
}
} // namespace

// Puts the finished copy in the data file's place, replacing an earlier installation's file.
static bool ReplaceWithCopy(const char *copyPath, const char *destinationPath) {
    if (MoveFileExA(copyPath, destinationPath, MOVEFILE_REPLACE_EXISTING))
        return true;
    // Systems without MoveFileExA: make room, then rename.
    DeleteFileA(destinationPath);
    return MoveFileA(copyPath, destinationPath) != FALSE;
}

BOOL TransferSource(const char *destinationPath, HWND window) {
    HCURSOR kept = SetCursor(LoadCursorA(NULL, MAKEINTRESOURCEA(32514))); // IDC_WAIT
    // The copy is made beside the data file and takes its place only when complete, so a failed
    // Setup never destroys the data file of an installation that was working.
    char copyPath[MAX_PATH];
    CopyText(copyPath, sizeof copyPath, destinationPath);
    const size_t length = TextLength(copyPath);
    if (length > 0)
        copyPath[length - 1] = '~';
    DestinationWriter writer = {nullptr, 0, 0, nullptr, false};
    bool opened = gSource.handle != nullptr && length > 0 && OpenDestinationFile(copyPath, &writer);
    const FileIo io = {ReadChunk, WriteChunk};
    const ProgressSink progress = {SendProgress, window};
    bool complete = CopyInChunks(io, gSource, writer, progress);
    CloseDestinationFile(&writer);
    CloseSourceFile(&gSource);
    if (complete)
        complete = ReplaceWithCopy(copyPath, destinationPath);
    if (opened && !complete)
        DeleteFileA(copyPath); // a partial copy must not stay behind
    SetCursor(kept);
    return complete ? TRUE : FALSE;
}
