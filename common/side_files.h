// Putting right what a cut-off install left beside an installed file: its copy deleted, an
// earlier file kept aside moved back or deleted (side_names.h says which).
#pragma once

// For the file at `path`; a name that cannot be built, or a call that fails, leaves that name
// as it is. Read-only side files are made writable first.
void RepairSideFiles(const char *path);

// Deletes both side names of the file at `path`, whatever the file itself.
void DeleteSideFiles(const char *path);
