// The uninstaller's start-up switch, language block, data-file rule and path texts.
#include <gtest/gtest.h>

#include "uninstaller/language_block.h"
#include "uninstaller/paths.h"
#include "uninstaller/removal_rules.h"

#include <map>
#include <string>

namespace {
int LoadFromMap(const void *context, unsigned id, char *dst, int capacity) {
    const auto &table = *static_cast<const std::map<unsigned, std::string> *>(context);
    auto found = table.find(id);
    if (found == table.end() || capacity <= 0)
        return 0;
    int n = 0;
    for (; n + 1 < capacity && found->second[size_t(n)] != '\0' && size_t(n) < found->second.size();
         ++n)
        dst[n] = found->second[size_t(n)];
    dst[n] = '\0';
    return n;
}
} // namespace

TEST(UninstallerStartup, RegistrySwitchIsACaseSensitiveSubstring) {
    EXPECT_TRUE(HasRegistrySwitch("/registry"));
    EXPECT_TRUE(HasRegistrySwitch("x /registryfoo"));
    EXPECT_TRUE(HasRegistrySwitch("a/registry"));
    EXPECT_FALSE(HasRegistrySwitch("/Registry"));
    EXPECT_FALSE(HasRegistrySwitch("/REGISTRY"));
    EXPECT_FALSE(HasRegistrySwitch("/registr"));
    EXPECT_FALSE(HasRegistrySwitch(""));
    EXPECT_FALSE(HasRegistrySwitch(nullptr));
}

TEST(UninstallerStartup, LanguageBlockMatchesTheBuiltLanguage) {
    std::map<unsigned, std::string> table = {{1, "English"}, {100, "English"}};
    StringTable strings = {LoadFromMap, &table};
    EXPECT_EQ(100u, ChooseLanguageBlock(strings));

    table = {{1, "Deutsch"}, {100, "English"}, {300, "Deutsch"}, {700, "Deutsch"}};
    EXPECT_EQ(300u, ChooseLanguageBlock(strings));
    table = {{1, "Deutsch"}, {700, "Deutsch"}};
    EXPECT_EQ(700u, ChooseLanguageBlock(strings));
    table = {{1, "Deutsch"}, {100, "English"}, {800, "Deutsch"}};
    EXPECT_EQ(100u, ChooseLanguageBlock(strings)) << "no block matches: the first";
    table = {{1, "English"}, {100, "english"}, {200, "English"}};
    EXPECT_EQ(200u, ChooseLanguageBlock(strings)) << "the comparison is exact";
}

TEST(DataFileRule, OnlyTheTitlesDataFileIsDeleted) {
    EXPECT_TRUE(NamesTitleDataFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", "BRINDMOR.QKT"));
    EXPECT_TRUE(NamesTitleDataFile("d:\\\\brindmor.qkt", "BRINDMOR.QKT"));
    EXPECT_TRUE(NamesTitleDataFile("d:BRINDMOR.QKT", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\WINDOWS\\WIN.INI", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\TWL\\BRINDMOR.QKT.BAK", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\TWL\\XBRINDMOR.QKT", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\BRINDMOR.QKT\\", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\TWL\\BRINDMOR.QKT", "")) << "no name loaded";
}

TEST(UninstallerPaths, OwnFolderAndComponentPaths) {
    char path[260] = "C:\\TWL\\BRINDMOR\\brindd95.exe";
    CutAtLastBackslash(path);
    EXPECT_STREQ("C:\\TWL\\BRINDMOR", path);
    char root[260] = "C:\\brindd95.exe";
    CutAtLastBackslash(root);
    EXPECT_STREQ("C:", root);
    char bare[260] = "brindd95.exe";
    CutAtLastBackslash(bare);
    EXPECT_STREQ("brindd95.exe", bare);

    char joined[16];
    EXPECT_TRUE(JoinPath("C:\\A", "B.EXE", joined, sizeof joined));
    EXPECT_STREQ("C:\\A\\B.EXE", joined);
    EXPECT_FALSE(JoinPath("C:\\LONGER", "NAME.EXE", joined, sizeof joined));
    EXPECT_STREQ("", joined) << "a cut path would name another file";
}

TEST(UninstallerPaths, TemporaryNames) {
    char batch[144], pif[144];
    ASSERT_TRUE(MakeTempNames("C:\\WINDOWS\\unt1A2B.TMP", batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ("C:\\WINDOWS\\unt1A2B.bat", batch);
    EXPECT_STREQ("C:\\WINDOWS\\unt1A2B.pif", pif);
    ASSERT_TRUE(MakeTempNames("C:\\WIN.DIR\\untA", batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ("C:\\WIN.bat", batch) << "the last dot, wherever it is";
    ASSERT_TRUE(MakeTempNames(".TMP", batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ(".TMP.bat", batch) << "position 0 is never taken for the dot";

    std::string longName = "C:\\" + std::string(136, 'w') + "\\u.TMP"; // 145 characters
    EXPECT_FALSE(MakeTempNames(longName.c_str(), batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ("", batch);
    EXPECT_STREQ("", pif);
    std::string fits = "C:\\" + std::string(134, 'w') + "\\u.TMP"; // 143 characters
    EXPECT_TRUE(MakeTempNames(fits.c_str(), batch, sizeof batch, pif, sizeof pif));
    EXPECT_EQ(143u, std::string(batch).size());
}
