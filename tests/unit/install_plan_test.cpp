// The install planner: facts and a chosen folder in, the paths, the record, the entry and what a
// failure undoes out (or a refusal with its reason).
#include <gtest/gtest.h>

#include "common/batch_lines.h"
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
    std::string("BRINDMOR.QKT").copy(facts.dataFileName, sizeof facts.dataFileName);
    std::string("brindd95.exe").copy(facts.uninstallerName, sizeof facts.uninstallerName);
    std::string("Brindlemoor").copy(facts.title, sizeof facts.title);
    std::string("C:\\WINDOWS\\BRINDMOR.INI").copy(facts.recordPlace.file, 40);
    std::string("Brindlemoor").copy(facts.recordPlace.section, 40);
    facts.previousRecord = RecordAbsent;
    facts.previousEntry = EntryAbsent;
    facts.batchLineLimit = kCmdBatchLineLimit;
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
    InstallFacts huge = Facts();
    huge.sourceBytes = 0x100000000ull; // the copy counts in 32 bits
    InstallFacts largest = Facts();
    largest.sourceBytes = 0xFFFFFFFFull;
    InstallFacts dos = Facts(); // the 9x family: the removal's batch runs under MS-DOS
    dos.batchLineLimit = kDosBatchLineLimit;

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

// What a failure undoes: an earlier installation's record and entry are written back as they
// were; without them the record's section and the entry's key are removed.
TEST(PlanInstall, WhatAFailureUndoesFollowsTheEarlierInstallation) {
    const struct {
        RecordRead record;
        EntryRead entry;
        bool restoreRecord, restoreEntry;
    } rows[] = {
        {RecordAbsent, EntryAbsent, false, false},
        {RecordFound, EntryFound, true, true},
        {RecordTooLong, EntryUnreadable, false, false}, // nothing whole to write back
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(int(row.record));
        InstallFacts facts = Facts();
        facts.previousRecord = row.record;
        std::string("D:\\OLD\\BRINDMOR.QKT").copy(facts.previousRecordValue, 40);
        facts.previousEntry = row.entry;
        std::string("Brindlemoor").copy(facts.previousEntryValues.displayName, 40);
        std::string("D:\\OLD\\brindd95.exe").copy(facts.previousEntryValues.command, 40);
        const InstallPlan plan = Plan("C:\\TWL\\BRINDMOR", facts);
        ASSERT_EQ(InstallAccepted, plan.refusal);
        EXPECT_EQ(row.restoreRecord, plan.restoreRecord);
        EXPECT_EQ(row.restoreEntry, plan.restoreEntry);
        EXPECT_STREQ(row.restoreRecord ? "D:\\OLD\\BRINDMOR.QKT" : "", plan.previousRecordValue);
        EXPECT_STREQ(row.restoreEntry ? "D:\\OLD\\brindd95.exe" : "", plan.previousEntry.command);
        EXPECT_STREQ("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", plan.recordValue);
    }
}
