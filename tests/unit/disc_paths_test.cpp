// Resolving "0:\" disc paths and the title root taken from the launcher's own path.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "launcher/syscheck/disc_paths.h"

namespace {
std::string Resolved(const char *stored, unsigned char drive, const char *root,
                     size_t capacity = 260) {
    char path[260];
    std::strncpy(path, stored, sizeof path - 1);
    path[sizeof path - 1] = '\0';
    ResolveDiscPath(path, capacity, drive, root);
    return path;
}

std::string RootOf(const char *module) {
    char root[256];
    TitleRootFromModulePath(module, root, sizeof root);
    return root;
}
} // namespace

TEST(DiscPathResolution, LetterReplacesThePlaceholder) {
    EXPECT_EQ("e:\\BRINDMOR.EXE", Resolved("0:\\BRINDMOR.EXE", 'e', "D:\\IGNORED\\"));
    EXPECT_EQ("f:\\data\\install.qkt", Resolved("0:\\data\\install.qkt", 'f', ""));
}

TEST(DiscPathResolution, NotFoundAndTitleRootUseTheRoot) {
    EXPECT_EQ("D:\\GAMES\\TITLE\\data\\install.qkt",
              Resolved("0:\\data\\install.qkt", kTitleUnderRoot, "D:\\GAMES\\TITLE\\"));
    EXPECT_EQ("E:\\BRINDMOR.WRI", Resolved("0:\\BRINDMOR.WRI", kTitleNotFound, "E:\\"));
}

TEST(DiscPathResolution, LongRootIsCutNotOverrun) {
    std::string root(250, 'x');
    root += "\\";
    const std::string path = Resolved("0:\\data\\install.qkt", kTitleUnderRoot, root.c_str(), 260);
    EXPECT_EQ(259u, path.size());
}

TEST(DiscPathResolution, TitleRootExamples) {
    EXPECT_EQ("E:\\", RootOf("E:\\RBRINDMOR.EXE"));
    EXPECT_EQ("E:\\", RootOf("E:\\WIN\\RBRINDMOR.EXE"));
    EXPECT_EQ("D:\\GAMES\\TITLE\\", RootOf("D:\\GAMES\\TITLE\\AUTORUN\\RBRINDMOR.EXE"));
    EXPECT_EQ("X:\\TITLE\\", RootOf("X:\\TITLE\\SETUP\\RBRINDMOR.EXE"));
}
