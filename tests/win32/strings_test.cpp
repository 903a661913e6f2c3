// The launcher's string table as built into RBRINDMOR.EXE, read through the launcher's own loader.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "launcher/core/language_setting.h"
#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"

#include <string>
#include <vector>

namespace {
class LauncherStrings : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        module = LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(module); }
    void SetUp() override {
        ASSERT_NE(nullptr, module);
        SetStringSource(module, SelectLanguageBase(module));
    }
    static std::string Fixed(UINT id) {
        char text[256];
        LoadFixedString(id, text, sizeof text);
        return text;
    }
    static std::string Lang(UINT offset) {
        char text[256];
        LoadLangString(offset, text, sizeof text);
        return text;
    }
    static HMODULE module;
};
HMODULE LauncherStrings::module = NULL;
} // namespace

TEST_F(LauncherStrings, EnglishBlockIsChosen) {
    EXPECT_EQ(160u, LanguageBase());
}

TEST_F(LauncherStrings, FixedStringsAtTheirIds) {
    const struct {
        UINT id;
        const char *text;
    } fixed[] = {{1, "English"},          {4, "VUVEDA.DLL"},       {5, "0:\\SETUP"},
                 {6, "0:\\BRINDMOR.EXE"}, {7, "0:\\BRINDMOR.WRI"}, {8, "BRINDLE_MOR"},
                 {9, "Setup:Required"},   {10, "BRINDMOR.INI"},    {11, "0:\\data\\install.qkt"},
                 {12, "BRINDMOR.QKT"},    {13, "brindd95.exe"},    {17, "Tarnwell"},
                 {18, "Brindlemoor"},     {24, "Autorun Program"}, {25, "Zorplay Program"}};
    for (const auto &row : fixed)
        EXPECT_EQ(row.text, Fixed(row.id)) << "id " << row.id;
}

TEST_F(LauncherStrings, LanguageBlockAtItsOffsets) {
    const struct {
        UINT offset;
        const char *text;
    } block[] = {
        {1, "English"},
        {2, "Brindlemoor"},
        {4, "C:\\TWL\\BRINDMOR"},
        {5, "Brindlemoor"},
        {6, "About"},
        {8, "  "},
        {10, "%T"},
        {11, "BRINDLE_MOR"},
        {18, "\"%T\" cannot be played since the following have not been detected:"},
        {19, "a 80486 or better processor"},
        {20, "a mouse"},
        {21, "a video display capable of 640 by 480 with at least 256 colors"},
        {22, "a sound card"},
        {23, "a CD_ROM drive"},
        {24, "The \"%T\" CD-ROM was not found in the CD-ROM drive. Please insert it in a CD-ROM "
             "drive and press Retry."},
        {33, "OK"},
        {34, "Cancel"},
        {35, "Setup"},
        {36, "Help"},
        {37, "Exit"},
        {38, "Normal"},
        {39, "Custom"},
        {40, "Play Now!"},
        {41, "Play later"},
        {42, "Play"},
        {43, "Install title in:"},
        {44, "Directories:"},
        {45, "Drives:"},
        {46, "Insufficient disk space,  %DKB are required."},
        {47, "Space needed on drive "},
        {48, "Space available on drive "},
        {49, "Browse"},
        {50, "Setup must be performed before playing."},
        {51, "Existing setup is incomplete. Rerun setup before playing."},
        {52, "Copying Files"},
        {53, "Ready to Play!"},
        {54, "Press Setup to install the files which must be moved to your hard drive. They will "
             "be installed in the specified directory."},
        {55, "Press Browse to specify a different location for the files on your system."},
        {56, "Press Cancel if you do not want to run setup at this time."},
        {57, "    ** Insufficient space available ** "},
        {58, "Drive %c: is non-existent. Please specify a different drive."},
        {59, "Insufficient disk space, A total of %lu bytes are required (an additional %lu bytes "
             "are needed)."},
        {LANG_ABOUT_MENU, "About Brindlemoor..."},
        {LANG_INSTALL_FAILED,
         "Setup could not install the title. Check the disc and the install folder."},
        {LANG_DATA_TOO_LARGE, "    ** Data file too large to install ** "},
        {LANG_INSTALL_TOO_LARGE,
         "Setup cannot install the title: its data file is 4 GB or larger."},
    };
    for (const auto &row : block)
        EXPECT_EQ(row.text, Lang(row.offset)) << "offset " << row.offset;
    EXPECT_FALSE(Lang(7).empty());
    EXPECT_FALSE(Lang(9).empty());
}

TEST_F(LauncherStrings, AbsentStringsLoadEmpty) {
    for (UINT id : {2u, 3u, 14u, 15u, 16u, 19u, 20u, 21u, 22u, 23u}) {
        char text[8] = "junk";
        EXPECT_EQ(0, LoadFixedString(id, text, sizeof text)) << "id " << id;
        EXPECT_STREQ("", text) << "id " << id;
    }
    for (UINT offset : {3u, 12u, 13u, 14u, 15u, 16u, 17u, 25u, 26u, 27u, 28u, 29u, 30u, 31u, 32u})
        EXPECT_EQ("", Lang(offset)) << "offset " << offset;
}

TEST_F(LauncherStrings, LoadsAreCutToTheDestination) {
    char small[5] = "xxxx";
    EXPECT_EQ(11, LoadFixedString(18, small, sizeof small)); // LoadStringA's own count
    EXPECT_STREQ("Brin", small);
}

namespace {
// The launcher on the disc for both markets, beside the English-only one.
class TwoLanguageStrings : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        both = LoadLibraryExA(DistPath("disc-de-en\\RBRINDMOR.EXE").c_str(), NULL,
                              LOAD_LIBRARY_AS_DATAFILE);
        english = LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        FreeLibrary(both);
        FreeLibrary(english);
    }
    void SetUp() override {
        ASSERT_NE(nullptr, both);
        ASSERT_NE(nullptr, english);
    }
    static std::string Load(HMODULE module, UINT id) {
        SetStringSource(module, 0);
        char text[256];
        LoadFixedString(id, text, sizeof text);
        return text;
    }
    // The placeholders of a text ("%T", "%D", "%c", "%lu"), in order.
    static std::string Placeholders(const std::string &text) {
        std::string found;
        for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
            found += text.substr(at, text.compare(at, 3, "%lu") == 0 ? 3 : 2);
        return found;
    }
    static HMODULE both, english;
};
HMODULE TwoLanguageStrings::both = NULL;
HMODULE TwoLanguageStrings::english = NULL;
} // namespace

// The German block at 320 has a text wherever the English block has one, and none where it has
// none; it keeps each text's placeholders, and the names other programs and files rely on.
TEST_F(TwoLanguageStrings, TheGermanBlockMirrorsTheEnglishOne) {
    const UINT kGerman = 320;
    std::vector<UINT> offsets; // the block's own texts and the ones the launcher added
    for (UINT n = 1; n <= 59; ++n)
        offsets.insert(offsets.end(), {n, LANG_ADDED + n});
    for (UINT offset : offsets) {
        const std::string en = Load(both, LANG_BASE_ENGLISH + offset),
                          de = Load(both, kGerman + offset);
        EXPECT_EQ(en.empty(), de.empty()) << "offset " << offset << ": \"" << en << "\"";
        EXPECT_EQ(Placeholders(en), Placeholders(de))
            << "offset " << offset << ": \"" << de << "\"";
        EXPECT_EQ(Load(english, LANG_BASE_ENGLISH + offset), en) << "offset " << offset;
    }
    for (UINT offset : {LANG_TITLE, LANG_DEFAULT_FOLDER, 5, LANG_VOLUME_LABEL})
        EXPECT_EQ(Load(both, LANG_BASE_ENGLISH + offset), Load(both, kGerman + offset))
            << "offset " << offset;
    // The fixed strings are the English-only launcher's, but for the choice from the setting.
    for (UINT id = 1; id < LANG_BASE_ENGLISH; ++id)
        EXPECT_EQ(id == IDS_LANGUAGE_MODE ? "Local" : Load(english, id), Load(both, id))
            << "id " << id;
}
