// The install planner: facts and a chosen folder in, the paths, the record, the entry and what a
// failure undoes out (or a refusal with its reason).
#include <gtest/gtest.h>

#include "common/batch_lines.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install_folder.h"
#include "launcher/setup/install_outcome.h"
#include "launcher/setup/install_plan.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
// A machine with the title's disc in E:, nothing installed yet.
InstallFacts Facts() {
    InstallFacts facts = {};
    facts.titleFound = true;
    std::string("e:\\data\\install.qkt").copy(facts.dataSource, sizeof facts.dataSource);
    std::string("e:\\brindd95.exe").copy(facts.uninstallerSource, sizeof facts.uninstallerSource);
    facts.sourceBytes = 100000;
    facts.uninstallerBytes = 20000;
    std::string("Tarnwell, Inc.").copy(facts.publisher, sizeof facts.publisher);
    std::string("1.0").copy(facts.displayVersion, sizeof facts.displayVersion);
    std::string("BRINDMOR.QKT").copy(facts.dataFileName, sizeof facts.dataFileName);
    std::string("brindd95.exe").copy(facts.uninstallerName, sizeof facts.uninstallerName);
    std::string("Brindlemoor").copy(facts.title, sizeof facts.title);
    std::string("C:\\WINDOWS\\BRINDMOR.INI").copy(facts.recordPlace.file, 40);
    std::string("Brindlemoor").copy(facts.recordPlace.section, 40);
    facts.previousRecord = RecordAbsent;
    facts.previousEntry = EntryAbsent;
    facts.batch = BatchInterpreter{kCmdBatchLineLimit, 1252, 1252, {nullptr, nullptr}};
    return facts;
}

InstallPlan Plan(const std::string &folder, const InstallFacts &facts = Facts()) {
    InstallChoice choice = {};
    folder.copy(choice.folder, sizeof choice.folder - 1);
    return PlanInstall(choice, facts);
}

std::vector<std::string> Levels(const InstallPlan &plan) {
    std::vector<std::string> levels;
    for (size_t i = 0; i < plan.folderLevels; ++i)
        levels.push_back(std::string(plan.folder, plan.folderEnds[i]));
    return levels;
}
} // namespace

TEST(PlanInstall, WhatGoesWhereForEachKindOfFolder) {
    using List = std::vector<std::string>;
    const struct {
        const char *folder;
        const char *dataFile, *uninstaller, *command;
        List levels;
    } rows[] = {
        {"C:\\TWL\\BRINDMOR",
         "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT",
         "C:\\TWL\\BRINDMOR\\brindd95.exe",
         "C:\\TWL\\BRINDMOR\\brindd95.exe",
         {"C:", "C:\\TWL", "C:\\TWL\\BRINDMOR"}},
        // A drive root: two backslashes in the recorded data file, one in the uninstaller's path.
        {"d:\\", "d:\\\\BRINDMOR.QKT", "d:\\brindd95.exe", "d:\\brindd95.exe", {"d:"}},
        {"d:", "d:\\BRINDMOR.QKT", "d:\\brindd95.exe", "d:\\brindd95.exe", {"d:"}},
        // Windows runs the command as it stands: a blank would split an unquoted path.
        {"C:\\My Games\\BRIND",
         "C:\\My Games\\BRIND\\BRINDMOR.QKT",
         "C:\\My Games\\BRIND\\brindd95.exe",
         "\"C:\\My Games\\BRIND\\brindd95.exe\"",
         {"C:", "C:\\My Games", "C:\\My Games\\BRIND"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.folder);
        const InstallPlan plan = Plan(row.folder);
        ASSERT_EQ(InstallAccepted, plan.refusal);
        EXPECT_STREQ(row.dataFile, plan.dataFile);
        EXPECT_EQ(std::string(row.dataFile).substr(0, std::strlen(row.dataFile) - 1) + "~",
                  plan.dataCopy);
        EXPECT_EQ(std::string(row.dataFile).substr(0, std::strlen(row.dataFile) - 1) + "#",
                  plan.dataKept);
        EXPECT_STREQ(row.uninstaller, plan.uninstaller);
        EXPECT_EQ(std::string(row.uninstaller).substr(0, std::strlen(row.uninstaller) - 1) + "~",
                  plan.uninstallerCopy);
        EXPECT_STREQ(row.command, plan.entry.command);
        EXPECT_STREQ("Brindlemoor", plan.entry.displayName);
        EXPECT_EQ(std::string(row.uninstaller) + ",0", plan.entry.displayIcon);
        EXPECT_STREQ(row.folder, plan.entry.installLocation);
        EXPECT_STREQ("Tarnwell, Inc.", plan.entry.publisher);
        EXPECT_STREQ("1.0", plan.entry.displayVersion);
        EXPECT_EQ(118ul, plan.entry.estimatedKb); // 100,000 + 20,000 bytes, in KB rounded up
        EXPECT_STREQ("Brindlemoor", plan.entryKey);
        EXPECT_STREQ(row.dataFile, plan.recordValue);
        EXPECT_STREQ("C:\\WINDOWS\\BRINDMOR.INI", plan.recordPlace.file);
        EXPECT_STREQ("e:\\data\\install.qkt", plan.dataSource);
        EXPECT_STREQ("e:\\brindd95.exe", plan.uninstallerSource);
        EXPECT_EQ(row.levels, Levels(plan));
    }
}

TEST(PlanInstall, RefusalsAndTheirReasons) {
    InstallFacts lost = Facts();
    lost.titleFound = false;
    InstallFacts noDataName = Facts();
    noDataName.dataFileName[0] = '\0';
    InstallFacts noRecord = Facts();
    noRecord.recordPlace.file[0] = '\0';
    InstallFacts noTitle = Facts();
    noTitle.title[0] = '\0';
    InstallFacts noUninstallerName = Facts();
    noUninstallerName.uninstallerName[0] = '\0';
    InstallFacts huge = Facts();
    huge.sourceBytes = 0x100000000ull; // the copy counts in 32 bits
    InstallFacts largest = Facts();
    largest.sourceBytes = 0xFFFFFFFFull;
    InstallFacts dos = Facts(); // the 9x family: the removal's batch runs under MS-DOS
    dos.batch.lineLimit = kDosBatchLineLimit;

    const std::string fits = "C:\\" + std::string(241, 'f');    // 244 + 13 = 257: paths fit
    const std::string tooDeep = "C:\\" + std::string(244, 'f'); // 247 + 13 = 260: they do not
    const struct {
        std::string folder;
        const InstallFacts facts;
        InstallRefusal refusal;
    } rows[] = {
        {"C:\\TWL\\BRINDMOR", lost, RefusedNoTitle},
        {"C:\\TWL\\BRINDMOR", noDataName, RefusedNoNames},
        {"C:\\TWL\\BRINDMOR", noRecord, RefusedNoNames},
        {"C:\\TWL\\BRINDMOR", noTitle, RefusedNoNames},
        {"C:\\TWL\\BRINDMOR", noUninstallerName, RefusedNoNames},
        {"", Facts(), RefusedFolder},
        {fits, Facts(), InstallAccepted},
        {tooDeep, Facts(), RefusedFolder},
        {"C:\\" + std::string(253, 'f'), Facts(), RefusedFolder}, // cut by the choice: refused
        // The uninstaller's quoted path, each "%" doubled, must fit the interpreter's line with
        // the test around it: 87 characters of folder under MS-DOS (86 with a "%"); on NT any
        // folder whose paths fit, the browser's deepest made of "%" signs included.
        {"C:\\" + std::string(84, 'd'), dos, InstallAccepted},
        {"C:\\" + std::string(85, 'd'), dos, RefusedNotRemovable},
        {"C:\\%" + std::string(82, 'd'), dos, InstallAccepted},
        {"C:\\%" + std::string(83, 'd'), dos, RefusedNotRemovable},
        {"C:\\" + std::string(124, 'd'), Facts(), InstallAccepted},
        {"C:\\" + std::string(124, '%'), Facts(), InstallAccepted},
        {"C:\\" + std::string(241, '%'), Facts(), InstallAccepted},
        {"C:\\TWL\\BRINDMOR", huge, RefusedSourceSize},
        {"C:\\TWL\\BRINDMOR", largest, InstallAccepted},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.folder.substr(0, 20) + " (" + std::to_string(row.folder.size()) + ")");
        EXPECT_EQ(row.refusal, Plan(row.folder, row.facts).refusal);
        // The browser's test: the folder and the names, whatever the disc and its file.
        const InstallRefusal folderRefusal =
            row.refusal == RefusedSourceSize || row.refusal == RefusedNoTitle ? InstallAccepted
                                                                              : row.refusal;
        EXPECT_EQ(folderRefusal, CheckInstallFolder(row.folder.c_str(), row.facts));
    }
}

// What a failure undoes: an earlier installation's record and every value of its entry are kept
// to be written back as they were (a foreign value and type included); without a record only its
// key goes. What cannot be kept whole refuses the install before anything is written.
TEST(PlanInstall, WhatAFailureUndoesFollowsTheEarlierInstallation) {
    const unsigned char expand[] = "%ProgramFiles%\\OLD\\brindd95.exe";
    const unsigned char size[] = {0x10, 0x27, 0, 0};
    const struct {
        RecordRead record;
        EntryRead entry;
        InstallRefusal refusal;
        bool restoreRecord;
        int values; // the entry's values kept
    } rows[] = {
        {RecordAbsent, EntryAbsent, InstallAccepted, false, 0},
        {RecordFound, EntryFound, InstallAccepted, true, 2},
        {RecordTooLong, EntryFound, RefusedEarlierValues, false, 0},
        {RecordFound, EntryUnreadable, RefusedEarlierValues, false, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(int(row.record)) + "/" + std::to_string(int(row.entry)));
        InstallFacts facts = Facts();
        facts.previousRecord = row.record;
        std::string("D:\\OLD\\BRINDMOR.QKT").copy(facts.previousRecordValue, 40);
        facts.previousEntry = row.entry;
        ClearSnapshot(&facts.previousEntryValues);
        ASSERT_TRUE(AddSnapshotValue(&facts.previousEntryValues, "UninstallString", 2, expand,
                                     sizeof expand));
        ASSERT_TRUE(AddSnapshotValue(&facts.previousEntryValues, "EstimatedSize", 4, size, 4));
        const InstallPlan plan = Plan("C:\\TWL\\BRINDMOR", facts);
        ASSERT_EQ(row.refusal, plan.refusal);
        if (row.refusal != InstallAccepted)
            continue;
        EXPECT_EQ(row.restoreRecord, plan.restoreRecord);
        EXPECT_STREQ(row.restoreRecord ? "D:\\OLD\\BRINDMOR.QKT" : "", plan.previousRecordValue);
        ASSERT_EQ(row.values, plan.previousEntry.count);
        if (row.values == 2) {
            EXPECT_STREQ("UninstallString", SnapshotName(plan.previousEntry, 0));
            EXPECT_EQ(2u, plan.previousEntry.values[0].type); // REG_EXPAND_SZ, kept as it was
            EXPECT_EQ(0, std::memcmp(expand, SnapshotData(plan.previousEntry, 0), sizeof expand));
            EXPECT_EQ(4u, plan.previousEntry.values[1].dataSize);
        }
        EXPECT_STREQ("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", plan.recordValue);
    }
}

// Folders Windows would keep under another name than the text says are refused by the plan; the
// browser's OK still takes them, to say why in a box of its own.
TEST(PlanInstall, FoldersWindowsWouldSpellAnotherWay) {
    const struct {
        const char *folder;
        FolderSpelling spelling;
    } rows[] = {
        {"C:\\TWL\\BRINDMOR", SpellingWhole},
        {"d:", SpellingWhole}, // a bare drive: its root
        {"d:\\", SpellingWhole},
        {"C:\\TWL\\..\\GAMES", SpellingWhole}, // resolved by the full path
        {"C:\\TWL\\.\\B", SpellingWhole},
        {"C:TWL", SpellingNotFull},
        {"C:", SpellingWhole},
        {"\\TWL\\BRIND", SpellingNotFull},
        {"TWL\\BRIND", SpellingNotFull},
        {"\\\\host\\share\\BRIND", SpellingNotFull},
        {"1:\\TWL", SpellingNotFull},
        {"C:\\TWL\\BRIND.", SpellingDotOrBlank},
        {"C:\\TWL\\BRIND \\X", SpellingDotOrBlank},
        {"C:\\TWL\\...\\X", SpellingDotOrBlank},
        {"C:\\TWL\\BRIND.X", SpellingWhole},
        {"C:\\TWL \\", SpellingDotOrBlank},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.folder);
        EXPECT_EQ(row.spelling, CheckFolderSpelling(row.folder));
        const InstallRefusal planned = Plan(row.folder).refusal;
        EXPECT_EQ(row.spelling == SpellingWhole ? InstallAccepted : RefusedFolder, planned);
    }
    EXPECT_EQ(InstallAccepted, CheckInstallFolder("C:\\TWL\\BRIND.", Facts()));
}

// The status line names the cause: a refusal for want of rights has its own text on the NT
// family only; on the 9x family access is denied for a disc or folder reason, as any failure.
TEST(InstallOutcomeText, TheCauseOnEachFamily) {
    const struct {
        InstallOutcome outcome;
        unsigned nt, nineX;
    } rows[] = {
        {{true, InstallAccepted, kInstallSteps, false}, LANG_READY, LANG_READY},
        {{false, RefusedNoTitle, kInstallSteps, false}, 0, 0},
        {{false, RefusedSourceSize, kInstallSteps, false},
         LANG_INSTALL_TOO_LARGE,
         LANG_INSTALL_TOO_LARGE},
        {{false, RefusedEarlierValues, kInstallSteps, false},
         LANG_INSTALL_EARLIER,
         LANG_INSTALL_EARLIER},
        {{false, RefusedFolder, kInstallSteps, false}, LANG_INSTALL_FAILED, LANG_INSTALL_FAILED},
        {{false, InstallAccepted, StepRecord, true}, LANG_INSTALL_DENIED, LANG_INSTALL_FAILED},
        {{false, InstallAccepted, StepEntry, true}, LANG_INSTALL_DENIED, LANG_INSTALL_FAILED},
        {{false, InstallAccepted, StepDataCopy, true}, LANG_INSTALL_DENIED, LANG_INSTALL_FAILED},
        {{false, InstallAccepted, StepDataCopy, false}, LANG_INSTALL_FAILED, LANG_INSTALL_FAILED},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(int(row.outcome.refusal)) + " at " +
                     std::to_string(int(row.outcome.failedStep)));
        EXPECT_EQ(row.nt, InstallOutcomeText(row.outcome, true));
        EXPECT_EQ(row.nineX, InstallOutcomeText(row.outcome, false));
    }
}
