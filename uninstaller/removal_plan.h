// The removal as a plan: from the facts read before anything is removed, the ordered steps, what
// each step that fails keeps (every step after it), and what belongs to another installation.
#pragma once
#include <cstddef>

#include "../common/install_record.h"
#include "../common/uninstall_key.h"

const size_t kRemovalPathCapacity = 260; // MAX_PATH

// What Program Manager said about the title's group.
struct ProgmanFacts {
    bool answered; // a conversation could be opened
    bool groupExists;
    long itemCount; // the group's items
    int found;      // how many of the title's three item names were found in it
};

// Where the uninstaller itself lies: the title's disc (a CD-ROM drive, or a folder holding the
// disc's files, such as a copy of the disc on a hard disk) or an installation.
struct DiscFacts {
    bool cdromDrive;     // its own drive is a CD-ROM drive
    bool holdsDiscFiles; // its own folder holds the title's player and the disc's data file
};

struct RemovalFacts {
    bool registryOnly; // "/registry": only the uninstall entry, nothing asked, nothing else
    ProgmanFacts progman;
    DiscFacts disc;
    char ownPath[kRemovalPathCapacity]; // in one spelling; empty when the system gave none
    char dataFileName[32];              // "BRINDMOR.QKT"
    char installedName[32];             // "brindd95.exe": the name Setup installs us under
    InstallRecordPlace recordPlace;
    RecordRead record;
    char recordValue[kRecordValueCapacity]; // in one spelling where its folder exists
    bool recordHereByIdentity;             // its folder is the own folder, by the system's identity
    char entryKey[kRecordSectionCapacity]; // the title, the entry's key
    EntryRead entry;
    char entryCommand[kEntryTextCapacity];
    bool entryOwnByIdentity; // the file it names is this uninstaller, by the system's identity
};

enum class RemovalStepKind {
    SideFiles,    // what a cut-off Setup left beside the data file and the uninstaller
    ProgmanItems, // the title's items, and the group when they were all it held
    Components,   // the title's files locked beside the uninstaller
    DataFile,     // the data file in the uninstaller's own folder
    Record,       // the install record's section
    Entry,        // the uninstall entry
    SelfDelete,   // the batch and PIF that delete the uninstaller and its folders
    // From the title's disc only: the installation's own uninstaller (not running, so deleted
    // directly) with its side names, then its emptied folders, deepest first.
    InstalledUninstaller,
    InstallFolders,
};

struct RemovalStep {
    RemovalStepKind kind;
    bool stopsOnFailure; // when it fails, no later step runs: what they would remove stays
};

const int kMaxRemovalSteps = 9;

struct RemovalPlan {
    bool tellNoProgman; // Yes without Program Manager: nothing is removed, and the user is told
    // From the disc, with a record or an entry that does not name one installation outside the
    // disc's folder: nothing is removed, and the user is told.
    bool tellNotOneInstallation;
    bool fromDisc;
    bool mayDeleteGroup;
    char ownPath[kRemovalPathCapacity];
    char ownFolder[kRemovalPathCapacity];
    // The uninstaller whose installation goes: the record and the entry are asked again, just
    // before each is deleted, whether they still name it. Our own path, or from the title's disc
    // the installed one; empty when the entry goes whatever it names ("/registry" from the disc).
    char owner[kRemovalPathCapacity];
    char dataFile[kRemovalPathCapacity];
    char installFolder[kRemovalPathCapacity];        // from the disc: the installation's folder
    char installedUninstaller[kRemovalPathCapacity]; // and its uninstaller
    InstallRecordPlace recordPlace;
    char entryKey[kRecordSectionCapacity];
    RemovalStep steps[kMaxRemovalSteps];
    int count;
};

// Only what belongs to this installation is removed: the data file in the uninstaller's own
// folder (and its side names, and the uninstaller's, put right first), the record when it names
// that folder, the entry when it names this uninstaller (both asked again just before they go).
// While another installation is recorded or listed, its Program Manager items stay too. The data
// file, record and entry each stop the removal when they stay, so that the uninstaller and what
// still names it stay with them; an entry that cannot be read keeps the uninstaller as well. The
// uninstaller on the title's disc removes the installation the record and the entry name instead
// (PlanDiscRemoval), and nothing of the disc.
RemovalPlan PlanRemoval(const RemovalFacts &facts);

// True when the facts place the uninstaller on the title's disc.
bool OnTitleDisc(const DiscFacts &disc);

// Adds a step at the end of the plan (when there is room).
void AddRemovalStep(RemovalPlan *plan, RemovalStepKind kind, bool stopsOnFailure);

// The removal from the title's disc: when the record's data file and the entry's uninstaller
// (under its installed name) lie in one folder that is not the disc's own, that installation
// goes: Program Manager items, data file, record, entry, its uninstaller and side names, its
// emptied folders. No file of the disc's folder is touched and no batch is made. With neither a
// record nor an entry only the Program Manager items go; anything else removes nothing and the
// user is told. "/registry" deletes the entry whatever it names, also when it is missing.
// Given the plan with the places PlanRemoval copied from the facts.
void PlanDiscRemoval(const RemovalFacts &facts, RemovalPlan *plan);

// True when the plan holds a step of that kind.
bool PlanHas(const RemovalPlan &plan, RemovalStepKind kind);

// How a carried-out removal ended: every step done, or the first failed step that stopped the
// rest; and whether the batch that deletes the uninstaller could not be made.
struct RemovalOutcome {
    bool stopped;
    RemovalStepKind stoppedAt;
    bool selfDeleteMissing;
};
