// The manifest built into both programs: where Windows looks for it, and exactly the entries that
// docs/windows-versions.md justifies.
#include <gtest/gtest.h>

#include "tests/support/driver.h"

#include <string>
#include <vector>

namespace {
BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
    reinterpret_cast<std::vector<ULONG_PTR> *>(found)->push_back(reinterpret_cast<ULONG_PTR>(name));
    return TRUE;
}

// The manifest resources' names, and the text of the one with id 1.
std::string ManifestOf(const std::string &program, std::vector<ULONG_PTR> *names) {
    HMODULE module = LoadLibraryExA(program.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (module == NULL)
        return "";
    EnumResourceNamesA(module, MAKEINTRESOURCEA(24), CountName, reinterpret_cast<LONG_PTR>(names));
    std::string text;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found != NULL ? LoadResource(module, found) : NULL;
    const char *bytes = loaded != NULL ? static_cast<const char *>(LockResource(loaded)) : NULL;
    if (bytes != NULL)
        text.assign(bytes, SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

// The element names in the order they open (no declaration, no comment).
std::vector<std::string> Elements(const std::string &xml) {
    std::vector<std::string> names;
    for (size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const char next = xml[at + 1];
        if (next == '?' || next == '!' || next == '/')
            continue;
        const size_t end = xml.find_first_of(" />", at + 1);
        names.push_back(xml.substr(at + 1, end - at - 1));
    }
    return names;
}

size_t Count(const std::string &text, const std::string &part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}
} // namespace

TEST(Manifest, BothProgramsRunAsTheirInvokerWithNothingElse) {
    std::string first;
    for (const char *program : {"RBRINDMOR.EXE", "BRINDDEL.EXE"}) {
        SCOPED_TRACE(program);
        std::vector<ULONG_PTR> names;
        const std::string xml = ManifestOf(DistPath(program), &names);
        ASSERT_EQ(std::vector<ULONG_PTR>{1}, names) << "one manifest, id 1: the one Windows reads";
        const std::vector<std::string> expected = {
            "assembly", "assemblyIdentity",    "trustInfo",
            "security", "requestedPrivileges", "requestedExecutionLevel"};
        EXPECT_EQ(expected, Elements(xml));
        EXPECT_EQ(1u,
                  Count(xml, "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\""));
        EXPECT_EQ(1u, Count(xml, "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">"))
            << "a namespace XP passes over, declared once";
        EXPECT_EQ(2u, Count(xml, "xmlns"));
        EXPECT_EQ(1u, Count(xml, "<assemblyIdentity type=\"win32\""));
        if (first.empty())
            first = xml;
        EXPECT_EQ(first, xml) << "both programs carry the same manifest";
    }
}
