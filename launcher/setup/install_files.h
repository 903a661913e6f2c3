// Opening, copying and closing the install's files through the Win32 file calls.
#pragma once
#include <windows.h>

#include "chunked_copy.h"

// The program-wide source: the Setup dialog sizes the data file with it, the install copies it.
SourceReader &InstallSource();
// The data file's whole size for the space tests, also past the 4 GiB the copy's counts can
// carry (such a file must still be refused for want of space, not sized as nothing).
uint64_t &InstallSourceBytes();
// The size of an existing file, 0 for a missing one.
uint64_t FileBytes(const char *path);

// Opens a disk file for reading and takes its size; FALSE (handle and size zero) otherwise.
BOOL OpenSourceFile(const char *path, SourceReader *reader);
// Closes the source's file; the size stays for whoever asked for it.
void CloseSourceFile(SourceReader *reader);

// Allocates the transfer buffer and creates (or truncates) the destination; FALSE with nothing
// left allocated otherwise.
BOOL OpenDestinationFile(const char *path, DestinationWriter *writer);
// Closes the destination's file and releases its buffer.
void CloseDestinationFile(DestinationWriter *writer);

// Copies the opened program-wide source into a new file at destinationPath, sending the
// progress to window, under the wait cursor. Both files are closed afterwards; a copy that did
// not complete leaves no destination file. TRUE when every byte arrived.
BOOL TransferSource(const char *destinationPath, HWND window);
