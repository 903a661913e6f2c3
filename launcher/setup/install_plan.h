// The install as a plan: what is written where, in which order, and what each step undoes when a
// later one fails, decided from the facts gathered before anything is written.
#pragma once
#include <cstddef>
#include <cstdint>

#include "../../common/batch_lines.h"
#include "../../common/entry_snapshot.h"
#include "../../common/install_record.h"
#include "../../common/uninstall_key.h"

const size_t kInstallFolderCapacity = 256; // 255 characters and the terminator
const size_t kInstallPathCapacity = 260;   // MAX_PATH
const size_t kInstallNameCapacity = 32;

// What the user chose in the Setup dialog (or its browser), in its one spelling (install_folder.h).
struct InstallChoice {
    char folder[kInstallFolderCapacity];
};

// What the machine and the launcher's strings say, read before anything is written.
struct InstallFacts {
    bool titleFound;                              // false: the user gave up looking for the disc
    char dataSource[kInstallPathCapacity];        // the data file on the disc or under the root
    char uninstallerSource[kInstallPathCapacity]; // the uninstaller beside it
    uint64_t sourceBytes;                         // the data file's size (0 when missing)
    uint64_t uninstallerBytes;                    // the uninstaller's size (0 when missing)
    char dataFileName[kInstallNameCapacity];      // "BRINDMOR.QKT"
    char uninstallerName[kInstallNameCapacity];   // "brindd95.exe"
    char title[kRecordSectionCapacity];           // the entry's key and display name
    char publisher[kEntryShortCapacity];          // the entry's "Publisher"
    char displayVersion[kEntryShortCapacity];     // the entry's "DisplayVersion"
    InstallRecordPlace recordPlace;               // empty when the launcher's names are missing
    RecordRead previousRecord;
    char previousRecordValue[kRecordReadCapacity];
    EntryRead previousEntry;
    EntrySnapshot previousEntryValues; // every value of an earlier entry, raw
    BatchInterpreter batch;            // what runs the uninstaller's self-deletion batch
};

enum InstallRefusal {
    InstallAccepted,
    RefusedNoTitle,       // the title was not found: nothing to install, nothing to say
    RefusedNoNames,       // the launcher's strings lack a file, record or entry name
    RefusedFolder,        // no folder, one not in its one spelling, or paths that do not fit whole
    RefusedNotRemovable,  // its uninstaller could not write the lines that remove it
    RefusedSourceSize,    // a data file the copy's 32-bit counts cannot carry
    RefusedEarlierValues, // an earlier record or entry too large (or unreadable) to put back
};

// The install, in the order it is carried out (install.h has the steps): the data file, the
// uninstaller, the uninstall entry, and the record that says "installed" last. Files are copied
// beside their place ("...~"), flushed and moved in; an earlier installation's file at that place
// is kept aside ("...#") until the whole install has succeeded, so that a failure can put it
// back. The earlier record and entry are kept as they were, for the same reason.
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
    // ...otherwise undo removes the "Install" key alone.
    char entryKey[kRecordSectionCapacity];
    UninstallEntry entry;        // the uninstaller's path (quoted when it has a blank) and the rest
    EntrySnapshot previousEntry; // undo writes these back; a key the install made goes whole
};

// Why the folder cannot be installed into with these facts; InstallAccepted when it can. What the
// browser's OK asks (the folder's spelling is the browser's own question, with its own box).
InstallRefusal CheckInstallFolder(const char *folder, const InstallFacts &facts);

// The plan for installing into the chosen folder, or a refusal (plan.refusal) with its reason.
InstallPlan PlanInstall(const InstallChoice &choice, const InstallFacts &facts);
