// The install's files through the Win32 file calls: the source's size, the copy with its
// progress, and putting a copy in place with the earlier file kept aside until the end.
#include "install_files.h"

#include "../../common/file_ops.h"

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

void CloseSourceFile(SourceReader *reader) {
    if (reader->handle != nullptr)
        CloseHandle(reader->handle);
    reader->handle = nullptr;
}

// Allocates the transfer buffer and creates the destination, which must not exist; FALSE with
// nothing left allocated otherwise.
BOOL OpenDestinationFile(const char *path, DestinationWriter *writer) {
    *writer = DestinationWriter{nullptr, 0, 0, nullptr, false};
    char *buffer = static_cast<char *>(HeapAlloc(GetProcessHeap(), 0, kChunkSize));
    if (buffer == nullptr)
        return FALSE;
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        HeapFree(GetProcessHeap(), 0, buffer);
        return FALSE;
    }
    writer->handle = file;
    writer->buffer = buffer;
    writer->chunkSize = kChunkSize;
    return TRUE;
}

// Flushes and closes the destination's file and releases its buffer; false when the flush failed.
bool CloseDestinationFile(DestinationWriter *writer) {
    bool flushed = true;
    if (writer->handle != nullptr) {
        flushed = FlushFileBuffers(writer->handle) != FALSE;
        CloseHandle(writer->handle);
    }
    if (writer->buffer != nullptr)
        HeapFree(GetProcessHeap(), 0, writer->buffer);
    writer->handle = nullptr;
    writer->buffer = nullptr;
    return flushed;
}
} // namespace

uint64_t FileBytes(const char *path) {
    // Windows 95 has no GetFileAttributesExA; a search for the one name gives the same without
    // opening the file. A wildcard would match other files: such a path names none.
    if (path[0] == '\0')
        return 0;
    for (const char *at = path; *at != '\0'; ++at)
        if (*at == '*' || *at == '?')
            return 0;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
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

bool CopyToFile(SourceReader *reader, const char *copyPath, const ProgressSink &progress) {
    const DWORD openError = GetLastError(); // why a reader without a file has none
    DeleteInstalledFile(copyPath); // a copy an interrupted install left
    DestinationWriter writer = {nullptr, 0, 0, nullptr, false};
    SetLastError(reader->handle != nullptr ? NO_ERROR : openError);
    const bool opened = reader->handle != nullptr && OpenDestinationFile(copyPath, &writer);
    // Taken before the progress is sent: the window that shows it may make calls of its own, on
    // this thread. A copy that fails part way had its file opened: that is no refusal of access.
    DWORD error = opened ? NO_ERROR : GetLastError();
    const FileIo io = {ReadChunk, WriteChunk};
    bool complete = CopyInChunks(io, *reader, writer, progress);
    if (!CloseDestinationFile(&writer) && complete) {
        error = GetLastError();
        complete = false;
    }
    CloseSourceFile(reader);
    if (opened && !complete)
        DeleteFileA(copyPath); // a partial copy must not stay behind
    SetLastError(error);
    return complete;
}

bool KeepAside(const char *final, const char *kept, bool *keptAside) {
    *keptAside = false;
    if (!FileExists(final))
        return true;
    // Renamed aside, never deleted: if the copy cannot take its place, it comes back.
    if (!MoveFileA(final, kept))
        return false;
    *keptAside = true;
    return true;
}

bool MoveIn(const char *copy, const char *final) {
    return MoveFileA(copy, final) != FALSE;
}

void DeleteInstalledFile(const char *path) {
    ClearReadOnly(path);
    DeleteFileA(path);
}
