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

struct RemovalFacts {
    bool registryOnly; // "/registry": only the uninstall entry, nothing asked, nothing else
    ProgmanFacts progman;
    char ownPath[kRemovalPathCapacity]; // in one spelling; empty when the system gave none
    char dataFileName[32];              // "BRINDMOR.QKT"
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
};

struct RemovalStep {
    RemovalStepKind kind;
    bool stopsOnFailure; // when it fails, no later step runs: what they would remove stays
};

const int kMaxRemovalSteps = 7;

struct RemovalPlan {
    bool tellNoProgman; // Yes without Program Manager: nothing is removed, and the user is told
    bool mayDeleteGroup;
    char ownPath[kRemovalPathCapacity];
    char ownFolder[kRemovalPathCapacity];
    char dataFile[kRemovalPathCapacity];
    InstallRecordPlace recordPlace;
    char entryKey[kRecordSectionCapacity];
    RemovalStep steps[kMaxRemovalSteps];
    int count;
};

// Only what belongs to this installation is removed: the data file in the uninstaller's own
// folder (and its side names, and the uninstaller's, put right first), the record when it names
// that folder, the entry when it names this uninstaller (both asked again just before they go).
// While
// another installation is recorded or listed, its Program Manager items stay too. The data file,
// record and entry each stop the removal when they stay, so that the uninstaller and what still
// names it stay with them; an entry that cannot be read keeps the uninstaller as well.
RemovalPlan PlanRemoval(const RemovalFacts &facts);
