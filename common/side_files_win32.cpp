// Putting right what a cut-off install left beside an installed file.
#include "side_files.h"

#include <windows.h>

#include "file_ops.h"
#include "side_names.h"

namespace {
void DeleteSide(const char *path, char mark) {
    char side[MAX_PATH];
    if (!BuildSideName(path, mark, side, sizeof side))
        return;
    ClearReadOnly(side);
    DeleteFileA(side);
}
} // namespace

void RepairSideFiles(const char *path) {
    DeleteSide(path, kCopyMark);
    char kept[MAX_PATH];
    if (!BuildSideName(path, kKeptMark, kept, sizeof kept))
        return;
    switch (DecideKeptFile(FileExists(path), FileExists(kept))) {
    case KeptMoveBack:
        MoveFileA(kept, path);
        break;
    case KeptDelete:
        ClearReadOnly(kept);
        DeleteFileA(kept);
        break;
    case KeptNothing:
        break;
    }
}

void DeleteSideFiles(const char *path) {
    DeleteSide(path, kCopyMark);
    DeleteSide(path, kKeptMark);
}
