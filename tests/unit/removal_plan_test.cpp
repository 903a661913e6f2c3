// The removal planner: facts in, the ordered steps (and which of them stop the rest when they
// fail) out; only what belongs to this installation is removed.
#include <gtest/gtest.h>

#include "uninstaller/removal_plan.h"

#include <string>

namespace {
const char kOwn[] = "C:\\TWL\\BRINDMOR\\brindd95.exe";

// This installation, recorded and listed, with the title's group holding its three items.
RemovalFacts Facts() {
    RemovalFacts facts = {};
    facts.progman = ProgmanFacts{true, true, 3, 3};
    std::string(kOwn).copy(facts.ownPath, sizeof facts.ownPath);
    std::string("BRINDMOR.QKT").copy(facts.dataFileName, sizeof facts.dataFileName);
    std::string("brindd95.exe").copy(facts.installedName, sizeof facts.installedName);
    std::string("C:\\WINDOWS\\BRINDMOR.INI").copy(facts.recordPlace.file, 40);
    std::string("Brindlemoor").copy(facts.recordPlace.section, 40);
    facts.record = RecordFound;
    std::string("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT").copy(facts.recordValue, 40);
    std::string("Brindlemoor").copy(facts.entryKey, 40);
    facts.entry = EntryFound;
    std::string(kOwn).copy(facts.entryCommand, sizeof facts.entryCommand);
    return facts;
}

// The steps in order; "!" after a step that stops the rest when it fails.
std::string Steps(const RemovalPlan &plan) {
    static const char *const kNames[] = {"side",  "progman", "components", "data",   "record",
                                         "entry", "self",    "installed",  "folders"};
    std::string steps;
    for (int i = 0; i < plan.count; ++i) {
        steps += (i > 0 ? " " : "") + std::string(kNames[int(plan.steps[i].kind)]);
        if (plan.steps[i].stopsOnFailure)
            steps += "!";
    }
    return steps;
}

RemovalFacts With(RecordRead record, const char *value, EntryRead entry, const char *command) {
    RemovalFacts facts = Facts();
    facts.record = record;
    std::string(value).copy(facts.recordValue, sizeof facts.recordValue - 1);
    facts.recordValue[std::string(value).size()] = '\0';
    facts.entry = entry;
    std::string(command).copy(facts.entryCommand, sizeof facts.entryCommand - 1);
    facts.entryCommand[std::string(command).size()] = '\0';
    return facts;
}
} // namespace

TEST(PlanRemoval, OnlyWhatBelongsToThisInstallationGoes) {
    const std::string all = "side progman components data! record! entry! self";
    const struct {
        const char *why;
        RemovalFacts facts;
        std::string steps;
    } rows[] = {
        {"this installation, recorded and listed", Facts(), all},
        {"the same, recorded and listed in other spellings",
         With(RecordFound, "c:/twl/brindmor/./brindmor.qkt", EntryFound,
              "\"C:\\TWL\\BRINDMOR\\BRINDD95.EXE\""),
         all},
        // Setup ran again into D:\GAMES\BRIND: the old uninstaller leaves the new installation's
        // record, entry and Program Manager items alone, and removes its own folder.
        {"an older installation, another now recorded and listed",
         With(RecordFound, "D:\\GAMES\\BRIND\\BRINDMOR.QKT", EntryFound,
              "D:\\GAMES\\BRIND\\brindd95.exe"),
         "side components data! self"},
        {"a record naming a system folder's file",
         With(RecordFound, "C:\\WINDOWS\\SYSTEM32\\BRINDMOR.QKT", EntryFound, kOwn),
         "side components data! entry! self"},
        {"a record naming a share",
         With(RecordFound, "\\\\host\\share\\BRINDMOR.QKT", EntryFound, kOwn),
         "side components data! entry! self"},
        {"a record naming a bare file name", With(RecordFound, "brindmor.qkt", EntryFound, kOwn),
         "side components data! entry! self"},
        {"a record too long to take", With(RecordTooLong, "", EntryFound, kOwn),
         "side components data! entry! self"},
        {"a second run after everything went", With(RecordAbsent, "", EntryAbsent, ""),
         "side progman components data! self"},
        // An entry that cannot be read might name this uninstaller: it stays, and so do we.
        {"an entry that cannot be read",
         With(RecordFound, "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", EntryUnreadable, ""),
         "side components data! record!"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        const RemovalPlan plan = PlanRemoval(row.facts);
        EXPECT_FALSE(plan.tellNoProgman);
        EXPECT_EQ(row.steps, Steps(plan));
        EXPECT_STREQ("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", plan.dataFile);
        EXPECT_STREQ("C:\\TWL\\BRINDMOR", plan.ownFolder);
        EXPECT_STREQ(kOwn, plan.ownPath);
    }
}

// Without a data-file name nothing is joined to the folder, so the folder is never deleted as a
// file; a record ending in a backslash names no file Setup wrote and is left alone.
TEST(PlanRemoval, NoDataFileNameNoDataStep) {
    RemovalFacts facts = With(RecordFound, "C:\\TWL\\BRINDMOR\\", EntryFound, kOwn);
    facts.dataFileName[0] = '\0';
    const RemovalPlan plan = PlanRemoval(facts);
    EXPECT_EQ("side components entry! self", Steps(plan));
    EXPECT_STREQ("", plan.dataFile);
}

TEST(PlanRemoval, WithoutProgramManagerNothingGoesAndTheUserIsTold) {
    RemovalFacts facts = Facts();
    facts.progman = ProgmanFacts{false, false, 0, 0};
    const RemovalPlan plan = PlanRemoval(facts);
    EXPECT_TRUE(plan.tellNoProgman);
    EXPECT_EQ("", Steps(plan));
}

TEST(PlanRemoval, RegistrySwitchRemovesOnlyThisInstallationsEntry) {
    RemovalFacts facts = Facts();
    facts.registryOnly = true;
    facts.progman = ProgmanFacts{false, false, 0, 0};
    EXPECT_EQ("entry!", Steps(PlanRemoval(facts)));
    EXPECT_FALSE(PlanRemoval(facts).tellNoProgman) << "nothing is asked or shown";
    RemovalFacts other = With(RecordFound, "", EntryFound, "D:\\GAMES\\BRIND\\brindd95.exe");
    other.registryOnly = true;
    EXPECT_EQ("", Steps(PlanRemoval(other)));
    RemovalFacts none = With(RecordFound, "", EntryAbsent, "");
    none.registryOnly = true;
    EXPECT_EQ("", Steps(PlanRemoval(none)));
}

TEST(PlanRemoval, TheGroupGoesOnlyWithItsItemsAlone) {
    const struct {
        ProgmanFacts progman;
        bool mayDeleteGroup;
    } rows[] = {
        {{true, true, 3, 3}, true},
        {{true, true, 4, 3}, false}, // a fourth item of the user's
        {{true, true, 2, 3}, false}, // the title's name found inside two items
        {{true, false, 0, 0}, false},
    };
    for (const auto &row : rows) {
        RemovalFacts facts = Facts();
        facts.progman = row.progman;
        EXPECT_EQ(row.mayDeleteGroup, PlanRemoval(facts).mayDeleteGroup)
            << row.progman.itemCount << " items, " << row.progman.found << " found";
    }
}

TEST(PlanRemoval, EdgesOfTheOwnPath) {
    // At a drive's root: the record has two backslashes, the folder is the bare drive.
    RemovalFacts root = With(RecordFound, "d:\\\\BRINDMOR.QKT", EntryFound, "d:\\brindd95.exe");
    std::string("d:\\brindd95.exe").copy(root.ownPath, sizeof root.ownPath - 1);
    root.ownPath[15] = '\0';
    RemovalPlan plan = PlanRemoval(root);
    EXPECT_EQ("side progman components data! record! entry! self", Steps(plan));
    EXPECT_STREQ("d:\\BRINDMOR.QKT", plan.dataFile);
    EXPECT_STREQ("d:", plan.ownFolder);

    // No module path: nothing can be told to be ours.
    RemovalFacts unknown = Facts();
    unknown.ownPath[0] = '\0';
    EXPECT_EQ("", Steps(PlanRemoval(unknown)));

    // No data file name loaded: no file is taken for the data file.
    RemovalFacts unnamed = Facts();
    unnamed.dataFileName[0] = '\0';
    EXPECT_EQ("side progman components record! entry! self", Steps(PlanRemoval(unnamed)));
}

namespace {
// The same installation seen from the title's disc in E: (or a copy of the disc at C:\DISC).
RemovalFacts FromDisc(RemovalFacts facts, const char *own = "E:\\brindd95.exe") {
    facts.disc = DiscFacts{true, true};
    std::string(own).copy(facts.ownPath, sizeof facts.ownPath - 1);
    facts.ownPath[std::string(own).size()] = '\0';
    return facts;
}
} // namespace

// From the title's disc the installation that the record and the entry name goes whole, its own
// uninstaller and folders included, and nothing of the disc's folder; anything but one
// installation outside the disc's folder removes nothing and is told.
TEST(PlanRemoval, FromTheDiscTheInstallationTheRecordAndEntryNameGoes) {
    const std::string whole = "side progman data! record! entry! installed! folders";
    RemovalFacts copyOfDisc = FromDisc(Facts(), "C:\\DISC\\brindd95.exe");
    copyOfDisc.disc = DiscFacts{false, true};
    RemovalFacts cdromOnly = FromDisc(Facts());
    cdromOnly.disc = DiscFacts{true, false};
    const struct {
        const char *why;
        RemovalFacts facts;
        std::string steps;
        bool told;
    } rows[] = {
        {"an installation, recorded and listed", FromDisc(Facts()), whole, false},
        {"a copy of the disc on a hard disk", copyOfDisc, whole, false},
        {"a CD-ROM drive, the disc's files unreadable", cdromOnly, whole, false},
        {"recorded and listed in other spellings",
         FromDisc(With(RecordFound, "c:/twl/brindmor/./brindmor.qkt", EntryFound,
                       "\"C:\\TWL\\BRINDMOR\\BRINDD95.EXE\"")),
         whole, false},
        {"nothing recorded or listed: only the items",
         FromDisc(With(RecordAbsent, "", EntryAbsent, "")), "progman", false},
        {"record and entry in two folders",
         FromDisc(With(RecordFound, "D:\\GAMES\\BRIND\\BRINDMOR.QKT", EntryFound, kOwn)), "", true},
        {"an entry naming another program in that folder",
         FromDisc(With(RecordFound, "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", EntryFound,
                       "C:\\TWL\\BRINDMOR\\other.exe")),
         "", true},
        {"a record only",
         FromDisc(With(RecordFound, "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", EntryAbsent, "")), "", true},
        {"an entry only", FromDisc(With(RecordAbsent, "", EntryFound, kOwn)), "", true},
        {"an entry that cannot be read",
         FromDisc(With(RecordFound, "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", EntryUnreadable, "")), "",
         true},
        {"a record too long to take", FromDisc(With(RecordTooLong, "", EntryFound, kOwn)), "",
         true},
        {"a record naming a folder",
         FromDisc(With(RecordFound, "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT\\", EntryFound,
                       "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT\\brindd95.exe")),
         "", true},
        {"an installation in the disc's own folder",
         FromDisc(With(RecordFound, "C:\\DISC\\BRINDMOR.QKT", EntryFound, "C:\\DISC\\brindd95.exe"),
                  "c:\\disc\\BRINDD95.EXE"),
         "", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.why);
        const RemovalPlan plan = PlanRemoval(row.facts);
        EXPECT_EQ(row.steps, Steps(plan));
        EXPECT_EQ(row.told, plan.tellNotOneInstallation);
        EXPECT_TRUE(plan.fromDisc);
        EXPECT_FALSE(plan.tellNoProgman);
        if (row.steps == whole) {
            EXPECT_STRCASEEQ("C:\\TWL\\BRINDMOR", plan.installFolder);
            EXPECT_STRCASEEQ("C:\\TWL\\BRINDMOR\\brindd95.exe", plan.installedUninstaller);
            EXPECT_STRCASEEQ(plan.installedUninstaller, plan.owner) << "re-checked against it";
            EXPECT_STRCASEEQ("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", plan.dataFile);
            EXPECT_TRUE(plan.mayDeleteGroup);
        }
    }

    // "/registry" deletes the entry as written, whatever it names and also when it is missing;
    // without Program Manager the user is told as from an installation.
    for (EntryRead entry : {EntryFound, EntryAbsent, EntryUnreadable}) {
        RemovalFacts facts = FromDisc(With(RecordAbsent, "", entry, "D:\\X\\other.exe"));
        facts.registryOnly = true;
        EXPECT_EQ("entry", Steps(PlanRemoval(facts))) << entry;
        EXPECT_STREQ("", PlanRemoval(facts).owner) << "goes whatever it names";
    }
    RemovalFacts silent = FromDisc(Facts());
    silent.progman = ProgmanFacts{false, false, 0, 0};
    EXPECT_TRUE(PlanRemoval(silent).tellNoProgman);
    EXPECT_EQ("", Steps(PlanRemoval(silent)));

    // Off the disc the same facts remove only the uninstaller's own installation.
    RemovalFacts installed = FromDisc(Facts(), kOwn);
    installed.disc = DiscFacts{false, false};
    EXPECT_EQ("side progman components data! record! entry! self", Steps(PlanRemoval(installed)));
    EXPECT_FALSE(PlanRemoval(installed).fromDisc);
}
