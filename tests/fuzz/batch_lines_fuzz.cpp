// The self-deletion batch lines from any own path, install folder and temporary names: no batch
// at all, or lines that each fit the interpreter's limit and send every command to the right place.
#include "fuzz_input.h"
#include "common/batch_lines.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool StartsWith(const std::string &text, const std::string &lead) {
    return text.compare(0, lead.size(), lead) == 0;
}

// A path as the batch writes it: in double quotes, each "%" doubled.
std::string Arg(const std::string &path) {
    std::string written = "\"";
    for (char c : path) {
        written += c;
        if (c == '%')
            written += '%';
    }
    return written + "\"";
}

// A path that no quoting keeps inside one argument of one line.
bool Unquotable(const std::string &path) {
    for (char c : path)
        if (static_cast<unsigned char>(c) < 0x20 || c == '"')
            return true;
    return false;
}

// The path of an rmdir line, its quotes taken off and its "%" undoubled.
std::string RmdirPath(const std::string &line) {
    std::string path;
    for (size_t i = 7; i + 1 < line.size(); ++i) {
        path += line[i];
        if (line[i] == '%')
            ++i;
    }
    return path;
}

void CheckScript(const std::string &own, const std::string &folder, const std::string &pif,
                 const std::string &batch, size_t limit, bool ntFamily, bool built,
                 const BatchScript &script) {
    const size_t rootEnd = own.find('\\');
    if (!built) {
        if (script.count != 0)
            __builtin_trap();
        // A refusal needs a reason: no drive root, a path no quoting can hold, a line too long,
        // or more folder levels than lines (only empty levels, "\\" in a row, can need that many).
        bool reason = rootEnd == std::string::npos || Unquotable(own) || Unquotable(folder) ||
                      Unquotable(pif) || Unquotable(batch) || 25 + Arg(own).size() > limit ||
                      6 + Arg(folder).size() > limit || 4 + Arg(pif).size() > limit ||
                      4 + Arg(batch).size() > limit || folder.find("\\\\") != std::string::npos;
        if (!reason)
            __builtin_trap();
        return;
    }
    const int fixed = 11 + (pif.empty() ? 1 : 2); // lines other than rmdir
    if (script.count < fixed + 1 || script.count > kMaxBatchLines)
        __builtin_trap();
    std::string lines[kMaxBatchLines];
    for (int i = 0; i < script.count; ++i) {
        const BatchLine &line = script.lines[i];
        if (std::memchr(line.text, '\0', limit + 1) == nullptr)
            __builtin_trap(); // within the interpreter's limit: room left for CR LF and NUL
        lines[i] = line.text;
        // No path may leave its quotes: an even count of them on every line.
        size_t quotes = 0;
        for (char c : lines[i])
            quotes += c == '"' ? 1 : 0;
        if (quotes % 2 != 0)
            __builtin_trap();
    }
    const int last = script.count - 1;
    const std::string chdir = ntFamily ? "chdir /d " : "chdir ";
    if (lines[0] != "@echo off" || lines[1] != chdir + Arg(own.substr(0, rootEnd + 1)) ||
        lines[4] != "del " + Arg(own) || lines[5] != "if not exist " + Arg(own) + " goto gone" ||
        lines[10] != ":gone" || lines[last] != "del " + Arg(batch) ||
        (!pif.empty() && lines[last - 1] != "del " + Arg(pif)))
        __builtin_trap();
    // rmdir: the folder, then each parent, strictly shorter each time, never past the drive.
    const int firstRmdir = 11, lastRmdir = last - (pif.empty() ? 1 : 2);
    if (lines[firstRmdir] != "rmdir " + Arg(folder))
        __builtin_trap();
    for (int i = firstRmdir + 1; i <= lastRmdir; ++i) {
        if (!StartsWith(lines[i], "rmdir "))
            __builtin_trap();
        const std::string parent = RmdirPath(lines[i]);
        if (lines[i] != "rmdir " + Arg(parent) || parent.size() >= RmdirPath(lines[i - 1]).size() ||
            !StartsWith(folder, parent) || folder[parent.size()] != '\\' || parent.size() <= 3)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const bool ntFamily = (input.Byte() & 1) != 0;
    const size_t limit = BatchLineLimit(ntFamily);
    const std::string own = input.Line();
    const std::string folder = input.Line();
    const std::string pif = input.Line();
    const std::string batch = input.Rest().c_str();
    std::unique_ptr<char[]> ownText = ExactText(own);
    std::unique_ptr<char[]> folderText = ExactText(folder);
    std::unique_ptr<char[]> pifText = ExactText(pif);
    std::unique_ptr<char[]> batchText = ExactText(batch);

    std::unique_ptr<BatchScript> script(new BatchScript);
    std::memset(script.get(), '#', sizeof *script); // leftovers from a previous run
    // One code page on both sides: the lines as built (the conversion has its own unit rows).
    const BatchInterpreter interpreter = {
        limit, 1252, 1252, {nullptr, nullptr}, ntFamily, BatchPause::Ping, "C:\\W\\ping.exe"};
    bool built = BuildSelfDeleteLines(ownText.get(), folderText.get(), 0, pifText.get(),
                                      batchText.get(), interpreter, script.get());
    CheckScript(own, folder, pif, batch, limit, ntFamily, built, *script);
    return 0;
}
