// The uninstall entry's values as they were before an install wrote its own, kept raw.
#include "entry_snapshot.h"

#include "text.h"

void ClearSnapshot(EntrySnapshot *snapshot) {
    snapshot->count = 0;
    snapshot->used = 0;
}

bool AddSnapshotValue(EntrySnapshot *snapshot, const char *name, unsigned long type,
                      const unsigned char *data, size_t size) {
    const size_t nameLength = TextLength(name);
    if (snapshot->count >= kSnapshotValues || nameLength + 1 > kSnapshotNameCapacity)
        return false;
    const size_t room = kSnapshotBytes - snapshot->used;
    if (nameLength + 1 > room || size > room - (nameLength + 1))
        return false;
    SnapshotValue &value = snapshot->values[snapshot->count];
    value.type = type;
    value.nameAt = snapshot->used;
    CopyText(reinterpret_cast<char *>(snapshot->pool + value.nameAt), nameLength + 1, name);
    value.dataAt = value.nameAt + nameLength + 1;
    value.dataSize = size;
    for (size_t i = 0; i < size; ++i)
        snapshot->pool[value.dataAt + i] = data[i];
    snapshot->used = value.dataAt + size;
    ++snapshot->count;
    return true;
}

const char *SnapshotName(const EntrySnapshot &snapshot, int i) {
    return reinterpret_cast<const char *>(snapshot.pool + snapshot.values[i].nameAt);
}

const unsigned char *SnapshotData(const EntrySnapshot &snapshot, int i) {
    return snapshot.pool + snapshot.values[i].dataAt;
}

bool SnapshotHasValue(const EntrySnapshot &snapshot, const char *name) {
    for (int i = 0; i < snapshot.count; ++i)
        if (EqualIgnoringCase(SnapshotName(snapshot, i), name))
            return true;
    return false;
}
