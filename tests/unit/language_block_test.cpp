// Choosing a language block by name, over the uninstaller's layout of blocks, and the uninstaller's
// choice by the Windows language setting (the launcher's is in language_choice_test.cpp).
#include <gtest/gtest.h>

#include "common/language_block.h"
#include "tests/unit/fake_string_table.h"
#include "uninstaller/uninstall_language.h"

namespace {
// Blocks 100 to 700, named at their first string, compared exactly; 100 when none matches.
const LanguageBlocks kUninstaller = {100, 100, 7, 0, 1, 700, 100};

unsigned ChooseLanguageBlock(const StringTable &strings) {
    return ChooseBlockByName(strings, kUninstaller);
}
} // namespace

TEST(ChooseBlockByName, TheBlockNamingTheBuiltLanguage) {
    FakeStrings table = {{1, "English"}, {100, "English"}};
    StringTable strings = FakeStringTable(table);
    EXPECT_EQ(100u, ChooseLanguageBlock(strings));

    table = {{1, "Deutsch"}, {100, "English"}, {300, "Deutsch"}, {700, "Deutsch"}};
    EXPECT_EQ(300u, ChooseLanguageBlock(strings));
    table = {{1, "Deutsch"}, {700, "Deutsch"}};
    EXPECT_EQ(700u, ChooseLanguageBlock(strings));
    table = {{1, "Deutsch"}, {100, "English"}, {800, "Deutsch"}};
    EXPECT_EQ(100u, ChooseLanguageBlock(strings)) << "no block matches: the first";
    table = {{1, "English"}, {100, "english"}, {200, "English"}};
    EXPECT_EQ(200u, ChooseLanguageBlock(strings)) << "the comparison is exact";
    table = {{1, "English"}, {100, "English (UK)"}, {200, "English"}};
    EXPECT_EQ(200u, ChooseLanguageBlock(strings)) << "a name the built one only begins";
}

// The uninstaller of the disc for both markets ("Local") follows the Windows language setting by
// the launcher's rule: German for any setting beginning "DE", English for every other; a build
// that names its language keeps its block whatever the setting.
TEST(ChooseUninstallerBlock, LocalFollowsTheSettingElseByName) {
    FakeStrings table = {{1, "Local"}, {100, "English"}, {200, "Deutsch"}};
    StringTable strings = FakeStringTable(table);
    const struct {
        const char *setting;
        unsigned base;
    } rows[] = {{"DEU", 200}, {"deu", 200}, {"DES", 200}, {"dea", 200}, {"ENU", 100},
                {"ENG", 100}, {"FRA", 100}, {"", 100},    {"D", 100},   {"XYZ", 100}};
    for (const auto &row : rows)
        EXPECT_EQ(row.base, ChooseUninstallerBlock(strings, row.setting)) << row.setting;

    table = {{1, "Local"}, {100, "English"}};
    EXPECT_EQ(100u, ChooseUninstallerBlock(strings, "DEU")) << "no German block: the first";
    table = {{1, "Local"}, {100, "Deutsch"}, {300, "English"}};
    EXPECT_EQ(300u, ChooseUninstallerBlock(strings, "ENU")) << "found by its name, not its place";
    table = {{1, "English"}, {100, "English"}, {200, "Deutsch"}};
    EXPECT_EQ(100u, ChooseUninstallerBlock(strings, "DEU")) << "the English-only disc";
    table = {{1, "Deutsch"}, {100, "English"}, {200, "Deutsch"}};
    EXPECT_EQ(200u, ChooseUninstallerBlock(strings, "ENU"));
}
