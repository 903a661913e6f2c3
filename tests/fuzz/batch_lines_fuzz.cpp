// The self-deletion batch lines from any own path, install folder and temporary names: no batch
// at all, or lines that each fit their 128-byte buffer and send every command to the right place.
#include "fuzz_input.h"
#include "common/batch_lines.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool StartsWith(const std::string &text, const std::string &lead) {
    return text.compare(0, lead.size(), lead) == 0;
}

// A path as the batch writes it: in double quotes when it holds a blank.
std::string Arg(const std::string &path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

// The path of an rmdir line, without the quotes it may carry.
std::string RmdirPath(const std::string &line) {
    std::string path = line.substr(6);
    // Quotes are ours only around a path that holds a blank; other quote characters belong to it.
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"' &&
        path.find(' ') != std::string::npos)
        path = path.substr(1, path.size() - 2);
    return path;
}

void CheckScript(const std::string &own, const std::string &folder, const std::string &pif,
                 const std::string &batch, size_t limit, bool built, const BatchScript &script) {
    const size_t rootEnd = own.find('\\');
    if (!built) {
        if (script.count != 0)
            __builtin_trap();
        // A refusal needs a reason: no drive root, a line too long, or more folder levels than
        // lines (only empty levels, "\\" in a row, can need that many).
        bool reason = rootEnd == std::string::npos ||
                      6 + Arg(own.substr(0, rootEnd + 1)).size() > limit ||
                      4 + Arg(own).size() > limit || 6 + Arg(folder).size() > limit ||
                      4 + Arg(pif).size() > limit || 4 + Arg(batch).size() > limit ||
                      folder.find("\\\\") != std::string::npos;
        if (!reason)
            __builtin_trap();
        return;
    }
    if (script.count < 6 || script.count > kMaxBatchLines)
        __builtin_trap();
    std::string lines[kMaxBatchLines];
    for (int i = 0; i < script.count; ++i) {
        const BatchLine &line = script.lines[i];
        if (std::memchr(line.text, '\0', limit + 1) == nullptr)
            __builtin_trap(); // within the interpreter's limit: room left for CR LF and NUL
        lines[i] = line.text;
    }
    const int last = script.count - 1;
    if (lines[0] != "@echo off" || lines[1] != "chdir " + Arg(own.substr(0, rootEnd + 1)) ||
        lines[2] != "del " + Arg(own) || lines[last - 1] != "del " + Arg(pif) ||
        lines[last] != "del " + Arg(batch))
        __builtin_trap();
    // rmdir: the folder, then each parent, strictly shorter each time, never past the drive.
    if (lines[3] != "rmdir " + Arg(folder) || script.lines[3].needsEarlierWrite)
        __builtin_trap();
    for (int i = 4; i < last - 1; ++i) {
        if (!StartsWith(lines[i], "rmdir ") || !script.lines[i].needsEarlierWrite)
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
    const size_t limit = (input.Byte() & 1) != 0 ? kCmdBatchLineLimit : kDosBatchLineLimit;
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
    bool built = BuildSelfDeleteLines(ownText.get(), folderText.get(), pifText.get(),
                                      batchText.get(), limit, script.get());
    CheckScript(own, folder, pif, batch, limit, built, *script);
    return 0;
}
