// The uninstaller's paths from any own path, component name, temporary name, INI record and
// buffer sizes: whole paths or refusals, never cut ones; only the title's data file is deletable.
#include "fuzz_input.h"
#include "common/text.h"
#include "uninstaller/paths.h"
#include "uninstaller/removal_rules.h"

#include <cstdint>
#include <string>

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

void CheckOwnFolder(const std::string &ownPath) {
    std::unique_ptr<char[]> folder = ExactText(ownPath);
    CutAtLastChar(folder.get(), '\\');
    size_t cut = ownPath.rfind('\\');
    if (ownPath.substr(0, cut) != folder.get())
        __builtin_trap();
}

void CheckJoin(const std::string &folder, const std::string &name, size_t capacity) {
    std::unique_ptr<char[]> folderText = ExactText(folder);
    std::unique_ptr<char[]> nameText = ExactText(name);
    std::unique_ptr<char[]> dst = OutputBuffer(capacity);
    bool joined = JoinPath(folderText.get(), nameText.get(), dst.get(), capacity);
    const std::string whole = folder + "\\" + name;
    if (joined != (whole.size() + 1 <= capacity))
        __builtin_trap();
    if (capacity == 0)
        return;
    if (!Terminated(dst.get(), capacity) || (joined ? whole != dst.get() : dst[0] != '\0'))
        __builtin_trap();
}

void CheckTempNames(const std::string &temp, size_t batchCapacity, size_t pifCapacity) {
    std::unique_ptr<char[]> tempText = ExactText(temp);
    std::unique_ptr<char[]> batch = OutputBuffer(batchCapacity);
    std::unique_ptr<char[]> pif = OutputBuffer(pifCapacity);
    bool made = MakeTempNames(tempText.get(), batch.get(), batchCapacity, pif.get(), pifCapacity);
    // The base is the name up to its last dot; a dot in the very first place does not count.
    size_t dot = temp.rfind('.');
    const std::string base = dot == std::string::npos || dot == 0 ? temp : temp.substr(0, dot);
    bool fits = base.size() + 5 <= batchCapacity && base.size() + 5 <= pifCapacity;
    if (made != fits)
        __builtin_trap();
    if (batchCapacity == 0 || pifCapacity == 0)
        return;
    if (!Terminated(batch.get(), batchCapacity) || !Terminated(pif.get(), pifCapacity))
        __builtin_trap();
    if (made && (base + ".bat" != batch.get() || base + ".pif" != pif.get()))
        __builtin_trap();
    if (!made && (batch[0] != '\0' || pif[0] != '\0'))
        __builtin_trap();
}

// Only a record whose last component is the data file's name (any letter case) is deleted.
void CheckDataFileRule(const std::string &record) {
    static const std::string kDataFile = "BRINDMOR.QKT";
    std::unique_ptr<char[]> recordText = ExactText(record);
    std::unique_ptr<char[]> nameText = ExactText(kDataFile);
    bool ours = NamesTitleDataFile(recordText.get(), nameText.get());
    size_t start = record.find_last_of("\\/:");
    std::string last = start == std::string::npos ? record : record.substr(start + 1);
    bool same = last.size() == kDataFile.size();
    for (size_t i = 0; same && i < last.size(); ++i)
        same = Upper(last[i]) == kDataFile[i];
    if (ours != same)
        __builtin_trap();
    std::unique_ptr<char[]> empty = ExactText("");
    if (NamesTitleDataFile(recordText.get(), empty.get()))
        __builtin_trap(); // an unconfigured name matches nothing, not even an empty record
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const size_t joinCapacity = (input.Byte() | size_t(input.Byte()) << 8) % 400;
    const size_t batchCapacity = input.Byte() % 160;
    const size_t pifCapacity = input.Byte() % 160;
    const std::string ownPath = input.Line();
    const std::string component = input.Line();
    const std::string temp = input.Line();
    const std::string record = input.Rest().c_str();

    CheckOwnFolder(ownPath);
    std::unique_ptr<char[]> folder = ExactText(ownPath);
    CutAtLastChar(folder.get(), '\\');
    CheckJoin(folder.get(), component, joinCapacity);
    CheckTempNames(temp, batchCapacity, pifCapacity);
    CheckDataFileRule(record);
    return 0;
}
