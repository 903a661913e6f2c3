// Choosing a language block by name, over the uninstaller's layout of blocks (the launcher's is
// in language_choice_test.cpp).
#include <gtest/gtest.h>

#include "common/language_block.h"
#include "tests/unit/fake_string_table.h"

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
