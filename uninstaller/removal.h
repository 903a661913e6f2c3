// The removal's Win32 side: the facts it is planned from, the components it locks, and the
// executor that carries a removal plan out.
#pragma once
#include <windows.h>

#include "progman_client.h"
#include "removal_plan.h"
#include "self_delete.h"

// The four names the removal looks for, loaded from the language block.
struct RemovalNames {
    char group[256];
    char helpItem[256];
    char title[256];
    char uninstallItem[256];
};
void LoadRemovalNames(RemovalNames *names);

constexpr int kComponentCount = 4;

struct Component {
    char path[MAX_PATH];
    HANDLE handle;    // open exclusively (locked) until removed; INVALID_HANDLE_VALUE when not open
    BOOL wasReadOnly; // its read-only attribute was cleared
};

// The title's files found beside the uninstaller.
struct InstalledFiles {
    Component components[kComponentCount];
};

// The temporary files the removal prepared for deleting the uninstaller after it exits.
struct SelfDeleteFiles {
    char batch[kTempNameCapacity];
    char pif[kTempNameCapacity]; // empty on the NT family, which needs no PIF
    BOOL ready;
    bool ntFamily; // the interpreter that runs the batch: cmd.exe, else MS-DOS through the PIF
};

// Reads the facts: the own path, the record, the entry, and (when a conversation is open) what
// Program Manager holds of the title's.
void GatherRemovalFacts(HINSTANCE instance, const RemovalNames &names,
                        const ProgmanConversation *progman, RemovalFacts *facts);

// Opens (locks) the components in the plan's own folder and makes the uninstaller writable, when
// the plan removes that folder's files (never on the title's disc).
void LocateComponents(const RemovalPlan &plan, InstalledFiles *files);

// Told before each step of a removal is carried out (its index in the plan): where a test program
// ends its own process, to see what a removal cut off at that instant leaves (docs/cut-off.md).
struct RemovalWatch {
    void (*beforeStep)(void *context, int index);
    void *context;
};

// Carries the plan's steps out in order, up to the first step that fails and stops the rest.
RemovalOutcome CarryOutRemoval(HINSTANCE instance, const RemovalPlan &plan,
                               const ProgmanConversation &progman, const RemovalNames &names,
                               InstalledFiles *files, SelfDeleteFiles *selfDelete,
                               const RemovalWatch &watch = RemovalWatch{nullptr, nullptr});

// Every component that survived and was read-only gets the attribute back.
void RestoreReadOnly(const InstalledFiles &files);
