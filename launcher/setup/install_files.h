// The install's files through the Win32 file calls: the source's size, the copy with its
// progress, and putting a copy in place with the earlier file kept aside until the end.
#pragma once
#include <windows.h>

#include "chunked_copy.h"

// The size of an existing file, 0 for a missing one.
uint64_t FileBytes(const char *path);

// Opens a disk file for reading and takes its size; FALSE (handle and size zero) otherwise.
BOOL OpenSourceFile(const char *path, SourceReader *reader);

// Copies the opened source into a new file at copyPath (a stale one there is removed first),
// sending the progress, and flushes it to the disk. The source is closed
// afterwards. True when every byte arrived; otherwise no copy is left behind. A reader without a
// file sends 0 and 100 and fails.
bool CopyToFile(SourceReader *reader, const char *copyPath, const ProgressSink &progress);

// Puts the file at `copy` in the place of `final`, keeping a file already there as `kept`. False
// when a rename failed: `final` is then as it was and the copy is gone.
bool PutInPlace(const char *copy, const char *final, const char *kept);

// Undoes PutInPlace: the new file at `final` goes and the kept one, if any, comes back.
void TakeBack(const char *final, const char *kept);

// Deletes a file the install made or no longer needs, read-only or not.
void DeleteInstalledFile(const char *path);
