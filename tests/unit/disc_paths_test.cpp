// Resolving "0:\" disc paths and the title root taken from the launcher's own path.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "launcher/syscheck/disc_paths.h"

namespace {
TitleLocation At(unsigned char drive, const std::string &root) {
    TitleLocation location = {drive, ""};
    root.copy(location.root, sizeof location.root - 1);
    return location;
}

std::string Resolved(const char *stored, const TitleLocation &location, size_t capacity = 260) {
    char path[260] = "stale";
    const bool whole = ResolveDiscPath(stored, location, path, capacity);
    EXPECT_EQ(whole, path[0] != '\0') << "a refusal leaves the path empty";
    return path;
}

std::string RootOf(const std::string &module, size_t capacity = 256) {
    char root[256] = "stale";
    const bool whole = TitleRootFromModulePath(module.c_str(), root, capacity);
    EXPECT_EQ(whole, root[0] != '\0') << "a refusal leaves the root empty";
    return root;
}
} // namespace

TEST(DiscPathResolution, LetterReplacesThePlaceholder) {
    EXPECT_EQ("e:\\BRINDMOR.EXE", Resolved("0:\\BRINDMOR.EXE", At('e', "D:\\IGNORED\\")));
    EXPECT_EQ("f:\\data\\install.qkt", Resolved("0:\\data\\install.qkt", At('f', "")));
    EXPECT_EQ("z:\\data\\install.qkt", Resolved("0:\\data\\install.qkt", At('z', "")));
}

TEST(DiscPathResolution, NotFoundAndTitleRootUseTheRoot) {
    EXPECT_EQ("D:\\GAMES\\TITLE\\data\\install.qkt",
              Resolved("0:\\data\\install.qkt", At(kTitleUnderRoot, "D:\\GAMES\\TITLE\\")));
    EXPECT_EQ("E:\\BRINDMOR.WRI", Resolved("0:\\BRINDMOR.WRI", At(kTitleNotFound, "E:\\")));
    EXPECT_EQ("", Resolved("", At('e', ""))) << "nothing stored, nothing to resolve";
    // Shorter than "0:\": nothing after the root, and nothing read past its end (a buffer of
    // exactly its size, so that AddressSanitizer sees a read beyond it).
    for (const char *shortText : {"0", "0:"}) {
        std::unique_ptr<char[]> stored(new char[std::strlen(shortText) + 1]);
        std::memcpy(stored.get(), shortText, std::strlen(shortText) + 1);
        EXPECT_EQ("E:\\", Resolved(stored.get(), At(kTitleUnderRoot, "E:\\"))) << shortText;
    }
}

TEST(DiscPathResolution, AFileInTheDiscsRoot) {
    char path[260];
    ASSERT_TRUE(ResolveDiscFile("brindd95.exe", At('d', ""), path, sizeof path));
    EXPECT_STREQ("d:\\brindd95.exe", path);
    ASSERT_TRUE(
        ResolveDiscFile("brindd95.exe", At(kTitleUnderRoot, "e:\\TITLE\\"), path, sizeof path));
    EXPECT_STREQ("e:\\TITLE\\brindd95.exe", path);
    EXPECT_FALSE(ResolveDiscFile("brindd95.exe", At('d', ""), path, 15));
    EXPECT_STREQ("", path);
}

TEST(DiscPathResolution, APathThatDoesNotFitIsRefusedNotCut) {
    const std::string root = std::string(242, 'x') + "\\"; // 243 + 16 = 259 characters
    EXPECT_EQ(259u, Resolved("0:\\data\\install.qkt", At(kTitleUnderRoot, root)).size());
    EXPECT_EQ("", Resolved("0:\\data\\install.qkt", At(kTitleUnderRoot, root + "y")));
    EXPECT_EQ("", Resolved("0:\\BRINDMOR.EXE", At('e', ""), 15)) << "15 bytes hold 14 characters";
    EXPECT_EQ("e:\\BRINDMOR.EXE", Resolved("0:\\BRINDMOR.EXE", At('e', ""), 16));
}

TEST(DiscPathResolution, TitleRootExamples) {
    EXPECT_EQ("E:\\", RootOf("E:\\RBRINDMOR.EXE"));
    EXPECT_EQ("E:\\", RootOf("E:\\WIN\\RBRINDMOR.EXE"));
    EXPECT_EQ("D:\\GAMES\\TITLE\\", RootOf("D:\\GAMES\\TITLE\\AUTORUN\\RBRINDMOR.EXE"));
    EXPECT_EQ("X:\\TITLE\\", RootOf("X:\\TITLE\\SETUP\\RBRINDMOR.EXE"));
    // A root longer than its buffer is refused rather than cut; only the root has to fit.
    const std::string deep = "C:\\" + std::string(251, 'd') + "\\SETUP\\RBRINDMOR.EXE";
    EXPECT_EQ("C:\\" + std::string(251, 'd') + "\\", RootOf(deep));
    EXPECT_EQ("", RootOf(deep, 255));
}
