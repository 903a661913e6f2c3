// The uninstall entry's values as they were before an install wrote its own: each value's name,
// type and bytes, kept raw so that undoing the install writes them back exactly, whatever they
// are (foreign values and types included).
#pragma once
#include <cstddef>

// The room a snapshot has: an entry beyond it is not kept, and the install that would have to
// put it back is refused. Windows' own entries hold about a dozen values of a few hundred bytes.
const int kSnapshotValues = 32;
const size_t kSnapshotBytes = 8192; // names (each with its terminator) and data together
const size_t kSnapshotNameCapacity = 256;

struct SnapshotValue {
    unsigned long type;
    size_t nameAt, dataAt, dataSize; // offsets into the pool; the name is terminated there
};

struct EntrySnapshot {
    int count;
    SnapshotValue values[kSnapshotValues];
    size_t used;
    unsigned char pool[kSnapshotBytes];
};

// Empties the snapshot.
void ClearSnapshot(EntrySnapshot *snapshot);

// Adds a value; false (the snapshot unchanged) when the name with its terminator passes
// kSnapshotNameCapacity, or the values or bytes pass the snapshot's room.
bool AddSnapshotValue(EntrySnapshot *snapshot, const char *name, unsigned long type,
                      const unsigned char *data, size_t size);

// The name of value i, as kept.
const char *SnapshotName(const EntrySnapshot &snapshot, int i);
const unsigned char *SnapshotData(const EntrySnapshot &snapshot, int i);

// True when the snapshot holds a value of that name, letter case ignored as the registry does.
bool SnapshotHasValue(const EntrySnapshot &snapshot, const char *name);
