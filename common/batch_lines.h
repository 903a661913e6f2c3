// The lines of the self-deletion batch file, built as data before anything is written.
#pragma once
#include <cstddef>

// Under MS-DOS (the 9x family runs the batch through a PIF) a line with its CR LF and NUL fits
// 128 bytes: at most 125 characters. The NT family's command interpreter takes far longer lines;
// ours hold at most a short command around a quoted MAX_PATH path whose every character is a
// doubled "%", which this capacity takes whole.
constexpr size_t kDosBatchLineLimit = 125;
constexpr size_t kBatchLineCapacity = 548;
constexpr size_t kCmdBatchLineLimit = kBatchLineCapacity - 3;
// Enough for every folder level a MAX_PATH folder can have, and the other lines.
constexpr int kMaxBatchLines = 144;
// How many times the batch tries to delete the uninstaller, about a second apart, before it goes
// on without it: the uninstaller's process may still hold its file for a moment after it exits.
constexpr int kSelfDeleteTries = 30;

// The longest line the interpreter that will run the batch takes.
size_t BatchLineLimit(bool ntFamily);

// Converts text from one code page to another: false when a character has no exact counterpart in
// the other page (the system would put a default character in its place) or the result and its
// terminator do not fit `capacity`.
struct TextConverter {
    bool (*convert)(const void *context, unsigned fromPage, unsigned toPage, const char *text,
                    char *dst, size_t capacity);
    const void *context;
};

// What the interpreter that runs the batch takes: the longest line, and the code page it reads the
// file in (the OEM one: the NT family's command interpreter and MS-DOS alike) beside the one the
// programs' paths are in (the ANSI one). Where the two differ, the lines are converted.
struct BatchInterpreter {
    size_t lineLimit;
    unsigned ansiPage, oemPage;
    TextConverter converter;
};

struct BatchLine {
    char text[kBatchLineCapacity];
};

struct BatchScript {
    BatchLine lines[kMaxBatchLines];
    int count;
};

// "@echo off"; "chdir" the own drive's root; "del" the own file, again about once a second
// (ping's pause) until it is gone or the tries run out; "rmdir" the install folder and each parent
// (deepest first, not the root, and none from the level that ends at `linkEnd` up: a junction or
// directory link, whose rmdir would take the link away whatever it points at; 0 when no level is
// one); "del" the PIF when there is one (pifPath not empty); "del" the batch file (left out when its
// path is one the interpreter's code page cannot hold). Every path is in double quotes with each
// "%" doubled, so that no character of a folder's name (& ; = ^ ( ) ! % or a blank) is read as
// anything but part of the path, and every line is in the interpreter's code page. False, with no
// lines, when a line would pass the interpreter's line limit, a path holds a quote or a control
// character or a character the interpreter's code page cannot hold, or the own path has no
// backslash: a cut or misread path sends the commands elsewhere.
bool BuildSelfDeleteLines(const char *ownPath, const char *installFolder, size_t linkEnd,
                          const char *pifPath, const char *batchPath,
                          const BatchInterpreter &interpreter, BatchScript *script);

// True when an uninstaller at ownPath could write the lines that delete it and its folders: what
// Setup checks before it installs into a folder, so that every installation can be removed.
bool SelfDeleteLinesFit(const char *ownPath, const BatchInterpreter &interpreter);
