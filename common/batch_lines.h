// The lines of the self-deletion batch file, built as data before anything is written.
#pragma once
#include <cstddef>

// A line and its CR LF and NUL fit 128 bytes: at most 125 characters of text.
constexpr size_t kBatchLineCapacity = 128;
constexpr size_t kBatchLineLimit = kBatchLineCapacity - 3;
// Enough for every folder level a 125-character rmdir line can name.
constexpr int kMaxBatchLines = 72;

struct BatchLine {
    char text[kBatchLineCapacity];
    // An rmdir line for a parent folder: written only when an earlier line was written.
    bool needsEarlierWrite;
};

struct BatchScript {
    BatchLine lines[kMaxBatchLines];
    int count;
};

// "@echo off", "chdir" the own drive's root, "del" the own file, "rmdir" the install folder and
// each parent (deepest first, not the root), "del" the PIF, "del" the batch file; a path with a
// blank is put in double quotes, the others stay as they are. False, with no lines, when a line
// would pass 125 characters (quotes counted) or the own path has no backslash: a cut path or a
// missing drive would send the commands elsewhere.
bool BuildSelfDeleteLines(const char *ownPath, const char *installFolder, const char *pifPath,
                          const char *batchPath, BatchScript *script);
