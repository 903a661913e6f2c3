// Choosing the language block from the Windows setting and by name, over a fake string table.
#include <gtest/gtest.h>

#include "tests/unit/fake_string_table.h"
#include "launcher/core/language_choice.h"
#include "launcher/resources/resource_ids.h"

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
using Table = FakeStrings;

// This build: one English block at 160.
Table ThisBuild() {
    return Table{{1, "English"}, {161, "English"}, {162, "Brindlemoor"}};
}

unsigned Choose(const Table &table, const char *setting) {
    StringTable strings = FakeStringTable(table);
    return ChooseLanguageBase(strings, setting);
}
} // namespace

TEST(LanguageIdFromSetting, EveryRowOfTheCodeTable) {
    const struct {
        const char *setting;
        unsigned id;
    } rows[] = {{"ENU", 1033}, {"dan", 6},  {"NLD", 19},   {"fra", 12},   {"FIN", 11},
                {"deu", 7},    {"ITA", 16}, {"PTG", 2070}, {"ESN", 10},   {"SVE", 29},
                {"KOR", 18},   {"PLK", 21}, {"RUS", 25},   {"HEB", 1037}, {"ENG", 1033},
                {"XX", 1033},  {"", 1033},  {"e", 1033}};
    for (const auto &row : rows)
        EXPECT_EQ(row.id, LanguageIdFromSetting(row.setting)) << row.setting;
}

TEST(BaseForLanguageId, KnownAndUnknownIdentifiersAndTheirDialogs) {
    // The dialogs of a block are in its identifier's resource language, the default sublanguage
    // where the identifier names none.
    const struct {
        unsigned id, base, dialogs;
    } rows[] = {{1033, 160, 0x0409},  {7, 320, 0x0407},  {12, 480, 0x040C},    {16, 640, 0x0410},
                {1034, 800, 0x040A},  {19, 960, 0x0413}, {2057, 1120, 0x0809}, {10, 1280, 0x040A},
                {2070, 1340, 0x0816}, {29, 1400, 0x041D}};
    for (const auto &row : rows) {
        EXPECT_EQ(row.base, BaseForLanguageId(row.id)) << row.id;
        EXPECT_EQ(row.dialogs, DialogLanguageOfBase(row.base)) << row.base;
    }
    for (unsigned other : {6u, 11u, 18u, 21u, 25u, 1037u})
        EXPECT_EQ(0u, BaseForLanguageId(other)) << other;
    for (unsigned noBlock : {0u, 161u, 1460u})
        EXPECT_EQ(0u, DialogLanguageOfBase(noBlock)) << noBlock;
}

TEST(ChooseLanguageBase, ByNameUnlessStringTwoSaysLocal) {
    Table table = ThisBuild();
    EXPECT_EQ(160u, Choose(table, "deu")); // no string 2: by name
    table[2] = "LOCAL";
    EXPECT_EQ(160u, Choose(table, "ENU"));
    EXPECT_EQ(160u, Choose(table, "deu")); // no block at 320 in this build: by name
    EXPECT_EQ(160u, Choose(table, "ESN")); // 1280, absent: by name
    EXPECT_EQ(160u, Choose(table, "ENG"));

    table[321] = "Deutsch";
    EXPECT_EQ(320u, Choose(table, "deu"));
    table[2] = "Remote";
    EXPECT_EQ(160u, Choose(table, "deu")); // the setting is only read for "Local"
}

TEST(LanguageBaseByName, CaseRulesDifferByBlock) {
    Table table = ThisBuild();
    table[1] = "ENGLISH"; // differs from 161 only in case: exact test at 160 fails
    StringTable strings = FakeStringTable(table);
    EXPECT_EQ(160u, LanguageBaseByName(strings)); // nothing equal: the last resort is 160 too
    table[641] = "english";
    EXPECT_EQ(640u, LanguageBaseByName(strings)); // from 640 on, case is ignored
    table[481] = "ENGLISH";
    EXPECT_EQ(480u, LanguageBaseByName(strings)); // earlier candidates win
    table[1341] = "ENGLISH";
    table.erase(481);
    table.erase(641);
    EXPECT_EQ(160u, LanguageBaseByName(strings)); // 1340 and 1400 are never candidates

    table = ThisBuild();
    table[161] = "Englisch";
    table[481] = "ENGLISH"; // 480 is compared exactly, as 160 and 320 are
    table[641] = "english";
    EXPECT_EQ(640u, LanguageBaseByName(strings));
}

TEST(LanguageBaseByName, EveryCandidateFrom320To1280IsFound) {
    for (unsigned base : {320u, 480u, 640u, 800u, 960u, 1120u, 1280u}) {
        Table table = {{1, "Deutsch"}, {161, "English"}, {base + 1, "Deutsch"}};
        EXPECT_EQ(base, LanguageBaseByName(FakeStringTable(table))) << base;
    }
}

namespace {
// Every base the locale table knows; the blocks lie as close as 60 ids apart.
const unsigned kBases[] = {160, 320, 480, 640, 800, 960, 1120, 1280, 1340, 1400};
const unsigned kBlockTexts = 59; // a block's own texts are at offsets 1 to 59

// The ids a block claims: its own offsets, and the range of texts the launcher added to it.
bool Claims(unsigned base, unsigned id) {
    if (id <= base)
        return false;
    const unsigned offset = id - base;
    return offset <= kBlockTexts || (offset > LANG_ADDED && offset - LANG_ADDED <= kBlockTexts);
}

// The string ids of the launcher's resource scripts (the German block included), as the programs
// are built from them.
std::vector<unsigned> ResourceScriptStringIds() {
    std::vector<unsigned> ids;
    for (const char *name : {"launcher.rc", "launcher_german.rc"}) {
        std::ifstream script(std::string(BRINDLE_SOURCE_DIR "/launcher/resources/") + name);
        bool inTable = false;
        std::string line;
        while (std::getline(script, line)) {
            std::istringstream words(line);
            std::string first;
            words >> first;
            if (first == "STRINGTABLE" || first == "END")
                inTable = first == "STRINGTABLE";
            else if (inTable && !first.empty() &&
                     std::isdigit(static_cast<unsigned char>(first[0])))
                ids.push_back(unsigned(std::stoul(first)));
        }
    }
    return ids;
}
} // namespace

// A language string is loaded from base + offset: each of the built texts belongs to exactly one
// block, and its offset, taken to any block of the locale table, reaches no other block's ids.
TEST(LanguageBlockIds, EveryTextStaysInItsOwnBlockWhateverTheBase) {
    const std::vector<unsigned> ids = ResourceScriptStringIds();
    ASSERT_GT(ids.size(), 100u) << "the resource scripts' string tables were not read";
    for (unsigned id : ids) {
        if (id < kBases[0])
            continue; // a fixed string
        unsigned owner = 0, owners = 0;
        for (unsigned base : kBases)
            if (Claims(base, id)) {
                owner = base;
                ++owners;
            }
        ASSERT_EQ(1u, owners) << "string " << id << " belongs to " << owners << " blocks";
        const unsigned offset = id - owner;
        for (unsigned base : kBases)
            for (unsigned other : kBases)
                EXPECT_EQ(other == base, Claims(other, base + offset))
                    << "offset " << offset << " of block " << base << " and block " << other;
    }
}
