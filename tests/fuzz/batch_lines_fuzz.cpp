// The self-deletion batch lines from any own path, install folder and temporary names: no batch
// at all, or lines that each fit their 128-byte buffer and send every command to the right place.
#include "fuzz_input.h"
#include "uninstaller/batch_lines.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool StartsWith(const std::string &text, const std::string &lead) {
    return text.compare(0, lead.size(), lead) == 0;
}

void CheckScript(const std::string &own, const std::string &folder, const std::string &pif,
                 const std::string &batch, bool built, const BatchScript &script) {
    const size_t rootEnd = own.find('\\');
    if (!built) {
        if (script.count != 0)
            __builtin_trap();
        // A refusal needs a reason: no drive root, a line too long, or more folder levels than
        // lines (only empty levels, "\\" in a row, can need that many).
        bool reason = rootEnd == std::string::npos || 7 + rootEnd > kBatchLineLimit ||
                      4 + own.size() > kBatchLineLimit || 6 + folder.size() > kBatchLineLimit ||
                      4 + pif.size() > kBatchLineLimit || 4 + batch.size() > kBatchLineLimit ||
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
        if (std::memchr(line.text, '\0', kBatchLineLimit + 1) == nullptr)
            __builtin_trap(); // at most 125 characters: room left for CR LF and NUL
        lines[i] = line.text;
    }
    const int last = script.count - 1;
    if (lines[0] != "@echo off" || lines[1] != "chdir " + own.substr(0, rootEnd + 1) ||
        lines[2] != "del " + own || lines[last - 1] != "del " + pif ||
        lines[last] != "del " + batch)
        __builtin_trap();
    // rmdir: the folder, then each parent, strictly shorter each time, never past the drive.
    if (lines[3] != "rmdir " + folder || script.lines[3].needsEarlierWrite)
        __builtin_trap();
    for (int i = 4; i < last - 1; ++i) {
        if (!StartsWith(lines[i], "rmdir ") || !script.lines[i].needsEarlierWrite)
            __builtin_trap();
        const std::string parent = lines[i].substr(6);
        if (parent.size() >= lines[i - 1].size() - 6 || !StartsWith(folder, parent) ||
            folder[parent.size()] != '\\' || parent.size() <= 3)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
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
                                      batchText.get(), script.get());
    CheckScript(own, folder, pif, batch, built, *script);
    return 0;
}
