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
// afterwards. True when every byte arrived; otherwise no copy is left behind, and the thread's
// last error is that of the open or the flush that failed (for a reader without a file, the
// error its open left; NO_ERROR for a copy that failed part way, past both opens). A reader
// without a file sends 0 and 100 and fails.
bool CopyToFile(SourceReader *reader, const char *copyPath, const ProgressSink &progress);

// Renames a file at `final` to `kept`; *keptAside says whether there was one. False (with the
// rename's error) when it could not be renamed: `final` is then as it was.
bool KeepAside(const char *final, const char *kept, bool *keptAside);

// Renames the copy to `final`, which must be free. False (with the rename's error) when it
// failed: the copy is then as it was.
bool MoveIn(const char *copy, const char *final);

// Deletes a file the install made or no longer needs, read-only or not.
void DeleteInstalledFile(const char *path);
