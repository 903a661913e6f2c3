// Placeholder substitution, the cut at the last character, and the bounded copies under them.
#include <gtest/gtest.h>

#include "common/text.h"

#include <cstring>

TEST(SubstitutePlaceholder, ReplacesFirstPairOnly) {
    char text[256] = "\"%T\" cannot be played since the following have not been detected:";
    SubstitutePlaceholder(text, sizeof text, "Brindlemoor", 'T');
    EXPECT_STREQ("\"Brindlemoor\" cannot be played since the following have not been detected:",
                 text);
    char two[64] = "%T and %T";
    EXPECT_STREQ("x and %T", SubstitutePlaceholder(two, sizeof two, "x", 'T'));
}

TEST(SubstitutePlaceholder, EdgeCasesOfThePair) {
    char doubled[16] = "a%%Tb";
    EXPECT_STREQ("a%Xb", SubstitutePlaceholder(doubled, sizeof doubled, "X", 'T'));
    char atEnd[16] = "value%";
    EXPECT_STREQ("value%", SubstitutePlaceholder(atEnd, sizeof atEnd, "X", 'T'));
    char pairAtEnd[16] = "value%T";
    EXPECT_STREQ("valueX", SubstitutePlaceholder(pairAtEnd, sizeof pairAtEnd, "X", 'T'));
    char lower[16] = "a%tb";
    EXPECT_STREQ("a%tb", SubstitutePlaceholder(lower, sizeof lower, "X", 'T'));
    char empty[16] = "a%Tb";
    EXPECT_STREQ("ab", SubstitutePlaceholder(empty, sizeof empty, "", 'T'));
    char none[16] = "no pair";
    EXPECT_STREQ("no pair", SubstitutePlaceholder(none, sizeof none, "X", 'T'));
    char kb[64] = "Insufficient disk space,  %DKB are required.";
    EXPECT_STREQ("Insufficient disk space,  1464KB are required.",
                 SubstitutePlaceholder(kb, sizeof kb, "1464", 'D'));
}

TEST(SubstitutePlaceholder, NeverWritesPastTheBuffer) {
    // A guard zone after the buffer shows any write past its end.
    struct {
        char text[12];
        char guard[8];
    } box;
    std::memset(box.guard, 'G', sizeof box.guard);
    std::strcpy(box.text, "ab%Tcdefgh");
    SubstitutePlaceholder(box.text, sizeof box.text, "REPLACEMENT", 'T');
    EXPECT_EQ(std::string(8, 'G'), std::string(box.guard, 8));
    EXPECT_STREQ("abREPLACEME", box.text); // replacement cut, tail dropped
    std::strcpy(box.text, "%Tabcdefgh");
    SubstitutePlaceholder(box.text, sizeof box.text, "XYZ", 'T');
    EXPECT_STREQ("XYZabcdefgh", box.text);
    std::strcpy(box.text, "%Tabcdefghi");
    SubstitutePlaceholder(box.text, sizeof box.text, "XYZ", 'T');
    EXPECT_STREQ("XYZabcdefgh", box.text); // the last tail character did not fit
    EXPECT_EQ(std::string(8, 'G'), std::string(box.guard, 8));
}

TEST(CutAtLastChar, WalksUpAPath) {
    char path[32] = "C:\\GAMES\\RBRINDMOR.EXE";
    EXPECT_STREQ("C:\\GAMES", CutAtLastChar(path, '\\'));
    EXPECT_STREQ("C:", CutAtLastChar(path, '\\'));
    EXPECT_STREQ("C:", CutAtLastChar(path, '\\'));
}

TEST(BoundedText, CopiesAndAppendsWithinCapacity) {
    char small[6];
    EXPECT_EQ(5u, CopyText(small, sizeof small, "abcdefgh"));
    EXPECT_STREQ("abcde", small);
    CopyText(small, sizeof small, "ab");
    EXPECT_EQ(5u, AppendText(small, sizeof small, "cdefgh"));
    EXPECT_STREQ("abcde", small);
    CopyText(small, sizeof small, "ab");
    EXPECT_FALSE(AppendWhole(small, sizeof small, "cdef"));
    EXPECT_STREQ("ab", small);
    EXPECT_TRUE(AppendWhole(small, sizeof small, "cde"));
    EXPECT_STREQ("abcde", small);
    EXPECT_TRUE(EqualIgnoringCase("Local", "LOCAL"));
    EXPECT_TRUE(EqualIgnoringCase("zulu", "ZULU")); // the last letter folds too
    EXPECT_FALSE(EqualIgnoringCase("Local", "Locale"));
}
