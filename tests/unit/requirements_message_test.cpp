// The one message that lists everything the machine lacks for the title.
#include <gtest/gtest.h>

#include "tests/unit/fake_string_table.h"
#include "launcher/syscheck/requirements_message.h"

#include <map>
#include <string>
#include <vector>

namespace {
using Table = FakeStrings;

Table EnglishBlock() {
    return Table{
        {162, "Brindlemoor"},
        {178, "\"%T\" cannot be played since the following have not been detected:"},
        {179, "a 80486 or better processor"},
        {180, "a mouse"},
        {181, "a video display capable of 640 by 480 with at least 256 colors"},
        {182, "a sound card"},
        {183, "a CD_ROM drive"},
    };
}

const RequirementFacts kEverything = {true, true, true, true, true};

std::string Build(const Table &table, const RequirementFacts &facts, bool *shown = nullptr,
                  size_t capacity = 1024) {
    StringTable strings = FakeStringTable(table);
    std::vector<char> message(capacity + 1, '#'); // one guard byte behind the capacity
    bool result = BuildRequirementMessage(facts, strings, 160, message.data(), capacity);
    if (shown != nullptr)
        *shown = result;
    EXPECT_EQ('#', message[capacity]) << "written past the capacity";
    return std::string(message.data());
}

const char kHeader[] =
    "\"Brindlemoor\" cannot be played since the following have not been detected:\r\n";
} // namespace

TEST(RequirementMessage, MouseAndSoundExactBytes) {
    RequirementFacts facts = kEverything;
    facts.mouse = facts.sound = false;
    bool shown = false;
    std::string text = Build(EnglishBlock(), facts, &shown);
    EXPECT_TRUE(shown);
    EXPECT_EQ("\"Brindlemoor\" cannot be played since the following have not been detected:"
              "\r\n\r\n    * a mouse\r\n    * a sound card",
              text);
}

TEST(RequirementMessage, EverythingMissingInOrderAndNothingMissingNoBox) {
    bool shown = false;
    std::string all =
        Build(EnglishBlock(), RequirementFacts{false, false, false, false, false}, &shown);
    EXPECT_TRUE(shown);
    EXPECT_EQ(std::string(kHeader) + "\r\n    * a 80486 or better processor" + "\r\n    * a mouse" +
                  "\r\n    * a video display capable of 640 by 480 with at least 256 colors" +
                  "\r\n    * a sound card" + "\r\n    * a CD_ROM drive",
              all);

    RequirementFacts onlyCdrom = kEverything;
    onlyCdrom.cdrom = false;
    EXPECT_EQ(std::string(kHeader) + "\r\n    * a CD_ROM drive", Build(EnglishBlock(), onlyCdrom));

    shown = true;
    EXPECT_EQ("", Build(EnglishBlock(), kEverything, &shown));
    EXPECT_FALSE(shown);
}

TEST(RequirementMessage, PlaceholderAndMissingStrings) {
    Table table = EnglishBlock();
    table[178] = "Missing:";
    RequirementFacts facts = kEverything;
    facts.display = false;
    EXPECT_EQ(
        "Missing:\r\n\r\n    * a video display capable of 640 by 480 with at least 256 colors",
        Build(table, facts));

    table[178] = "%T lacks %T:"; // only the first pair is the title
    EXPECT_EQ("Brindlemoor lacks %T:\r\n\r\n    * a video display capable of 640 by 480 with at "
              "least 256 colors",
              Build(table, facts));

    table.erase(181); // an absent item string leaves its line empty
    table.erase(178);
    EXPECT_EQ("\r\n\r\n    * ", Build(table, facts));
}

TEST(RequirementMessage, NeverRunsPastItsBuffer) {
    Table table = EnglishBlock();
    table[178] = std::string(1500, 'h');
    RequirementFacts none = {false, false, false, false, false};
    std::string full = Build(table, none, nullptr, 1024);
    EXPECT_EQ(1023u, full.size());
    EXPECT_EQ(std::string(1023, 'h'), full);

    // Room for the header and part of the items only: they are cut, never overrun.
    std::string small = Build(EnglishBlock(), none, nullptr, 100);
    EXPECT_EQ(99u, small.size());
    EXPECT_EQ(0u, small.find(kHeader));
}

TEST(AppendRequirementItem, ReturnsTheNewLengthAndStaysInside) {
    Table table = EnglishBlock();
    StringTable strings = FakeStringTable(table);
    char message[64] = "head\r\n";
    size_t length = AppendRequirementItem(strings, 180, message, 6, sizeof message);
    EXPECT_EQ(6u + 8u + 7u, length);
    EXPECT_STREQ("head\r\n\r\n    * a mouse", message);

    char tight[20] = "head\r\n";
    length = AppendRequirementItem(strings, 180, tight, 6, sizeof tight);
    EXPECT_EQ(19u, length);
    EXPECT_STREQ("head\r\n\r\n    * a mou", tight);
    EXPECT_EQ(19u, AppendRequirementItem(strings, 182, tight, length, sizeof tight));
    EXPECT_STREQ("head\r\n\r\n    * a mou", tight);
}
