// The install as a plan: what is written where, in which order, and what each step undoes when a
// later one fails, decided from the facts gathered before anything is written.
#pragma once
#include <cstddef>
#include <cstdint>

#include "../../common/install_record.h"
#include "../../common/uninstall_key.h"

const size_t kInstallFolderCapacity = 256; // 255 characters and the terminator
const size_t kInstallPathCapacity = 260;   // MAX_PATH
const size_t kInstallNameCapacity = 32;

// What the user chose in the Setup dialog (or its browser).
struct InstallChoice {
    char folder[kInstallFolderCapacity];
};

// What the machine and the launcher's strings say, read before anything is written.
struct InstallFacts {
    bool titleFound;                              // false: the user gave up looking for the disc
    char dataSource[kInstallPathCapacity];        // the data file on the disc or under the root
    char uninstallerSource[kInstallPathCapacity]; // the uninstaller beside it
    uint64_t sourceBytes;                         // the data file's size (0 when missing)
    char dataFileName[kInstallNameCapacity];      // "BRINDMOR.QKT"
    char uninstallerName[kInstallNameCapacity];   // "brindd95.exe"
    char title[kRecordSectionCapacity];           // the entry's key and display name
    InstallRecordPlace recordPlace;               // empty when the launcher's names are missing
    RecordRead previousRecord;
    char previousRecordValue[kRecordReadCapacity];
    EntryRead previousEntry;
    UninstallEntry previousEntryValues;
    size_t batchLineLimit; // the longest self-deletion line this system's interpreter takes
};

enum InstallRefusal {
    InstallAccepted,
    RefusedNoTitle,      // the title was not found: nothing to install, nothing to say
    RefusedNoNames,      // the launcher's strings lack a file, record or entry name
    RefusedFolder,       // no folder, or one whose paths do not fit whole
    RefusedNotRemovable, // its uninstaller could not write the lines that remove it
    RefusedSourceSize,   // a data file the copy's 32-bit counts cannot carry
};

// The install, in the order it is carried out: the folders, the data file, its record, the
// uninstaller, the uninstall entry. Files are copied beside their place ("...~") and moved in;
// an earlier installation's file at that place is kept aside ("...#") until the whole install
// has succeeded, so that a failure can put it back.
struct InstallPlan {
    InstallRefusal refusal;
    char folder[kInstallFolderCapacity];
    unsigned short folderEnds[kInstallFolderCapacity]; // the levels to create, left to right
    size_t folderLevels;
    char dataSource[kInstallPathCapacity];
    char dataFile[kInstallPathCapacity], dataCopy[kInstallPathCapacity],
        dataKept[kInstallPathCapacity];
    char uninstallerSource[kInstallPathCapacity];
    char uninstaller[kInstallPathCapacity], uninstallerCopy[kInstallPathCapacity],
        uninstallerKept[kInstallPathCapacity];
    InstallRecordPlace recordPlace;
    char recordValue[kRecordValueCapacity]; // the data file's path
    bool restoreRecord;                     // undo writes the previous value back...
    char previousRecordValue[kRecordReadCapacity];
    // ...otherwise undo removes the title's section.
    char entryKey[kRecordSectionCapacity];
    UninstallEntry entry; // the title, and the uninstaller's path (quoted when it has a blank)
    bool restoreEntry;    // undo writes the previous values back, otherwise deletes the key
    UninstallEntry previousEntry;
};

// Why the folder cannot be installed into with these facts; InstallAccepted when it can.
InstallRefusal CheckInstallFolder(const char *folder, const InstallFacts &facts);

// The plan for installing into the chosen folder, or a refusal (plan.refusal) with its reason.
InstallPlan PlanInstall(const InstallChoice &choice, const InstallFacts &facts);
