// The browser's refused characters: which ones, their removal, and where the caret stays.
#include <gtest/gtest.h>

#include "launcher/setup/refused_chars.h"

#include <string>

namespace {
// Types text one character at a time at the caret, filtering after each as the box does.
struct Typing {
    std::string text;
    int caret = 0;
    int removed = 0;
};

void Type(Typing &box, const std::string &typed) {
    for (char c : typed) {
        box.text.insert(size_t(box.caret), 1, c);
        int start = box.caret + 1, end = box.caret + 1;
        char buffer[256];
        snprintf(buffer, sizeof buffer, "%s", box.text.c_str());
        box.removed += RemoveRefusedCharacters(buffer, &start, &end);
        box.text = buffer;
        box.caret = start;
        EXPECT_EQ(start, end);
    }
}
} // namespace

TEST(SetupRefusedCharacters, ExactlyTheTwelve) {
    std::string refused;
    for (int c = 1; c < 256; ++c)
        if (IsRefusedCharacter(char(c)))
            refused += char(c);
    EXPECT_EQ(" \"&*+,/<>?^|", refused);
    EXPECT_FALSE(IsRefusedCharacter('\\'));
    EXPECT_FALSE(IsRefusedCharacter(':'));
    EXPECT_FALSE(IsRefusedCharacter(char(0xE9))); // e acute in the ANSI page
}

TEST(SetupRefusedCharacters, TypingASpaceBeepsOnceAndKeepsTheCaret) {
    Typing box;
    Type(box, "C:\\MY ");
    EXPECT_EQ("C:\\MY", box.text);
    EXPECT_EQ(5, box.caret); // just after MY
    Type(box, "GAMES");
    EXPECT_EQ("C:\\MYGAMES", box.text);
    EXPECT_EQ(1, box.removed);

    Typing middle; // typed between two letters
    Type(middle, "ab");
    middle.caret = 1;
    Type(middle, "?x");
    EXPECT_EQ("axb", middle.text);
    EXPECT_EQ(2, middle.caret);
}

TEST(SetupRefusedCharacters, APasteLosesEveryRefusedCharacterAndKeepsTheSelection) {
    char text[64] = "c:\\a b*c|d-e.f";
    int start = 14, end = 14; // caret at the end of the pasted text
    EXPECT_EQ(3, RemoveRefusedCharacters(text, &start, &end));
    EXPECT_STREQ("c:\\abcd-e.f", text);
    EXPECT_EQ(11, start);
    EXPECT_EQ(11, end);

    char selected[16] = "x y z";
    int from = 1, to = 4; // " y " selected: one refused character before each end... and in it
    EXPECT_EQ(2, RemoveRefusedCharacters(selected, &from, &to));
    EXPECT_STREQ("xyz", selected);
    EXPECT_EQ(1, from);
    EXPECT_EQ(2, to);

    char before[16] = "ab c"; // the caret just before the refused character stays put
    int at = 2, atEnd = 2;
    EXPECT_EQ(1, RemoveRefusedCharacters(before, &at, &atEnd));
    EXPECT_STREQ("abc", before);
    EXPECT_EQ(2, at);
    EXPECT_EQ(2, atEnd);

    char clean[16] = "C:\\TWL";
    int caret = 3, same = 3;
    EXPECT_EQ(0, RemoveRefusedCharacters(clean, &caret, &same));
    EXPECT_STREQ("C:\\TWL", clean);
    EXPECT_EQ(3, caret);
}
