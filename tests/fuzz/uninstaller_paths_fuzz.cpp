// The uninstaller's paths from any own path, component name, temporary name, INI record and
// buffer sizes: whole paths or refusals, never cut ones; the normal form ownership is decided on.
#include "fuzz_input.h"
#include "common/text.h"
#include "uninstaller/paths.h"
#include "uninstaller/removal_rules.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

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

// A normal form is refused whole, or absolute, made of backslashes, without empty, "." or ".."
// levels or a trailing backslash, and its own normal form; a record and an uninstaller at that
// same path belong together.
void CheckNormalForm(const std::string &path) {
    std::unique_ptr<char[]> pathText = ExactText(path);
    char normal[260];
    std::memset(normal, '#', sizeof normal);
    const bool normalised = NormalisePath(pathText.get(), normal, sizeof normal);
    if (!Terminated(normal, sizeof normal) || (!normalised && normal[0] != '\0'))
        __builtin_trap();
    if (!normalised)
        return;
    const std::string form = normal;
    const bool unc = form.compare(0, 2, "\\\\") == 0;
    if (!unc && (form.size() < 2 || form[1] != ':'))
        __builtin_trap();
    // The levels behind the drive ("X:") or the share ("\\server\share"), each after a backslash.
    const size_t share = unc ? form.find('\\', 2) : std::string::npos;
    const size_t rootEnd = !unc ? 2 : form.find('\\', share + 1);
    const std::string levels = rootEnd == std::string::npos ? "" : form.substr(rootEnd) + "\\";
    if ((unc && (share == std::string::npos || share == 2 || share + 1 == form.size())) ||
        form.find('/') != std::string::npos || form.back() == '\\' ||
        levels.find("\\\\") != std::string::npos || levels.find("\\.\\") != std::string::npos ||
        levels.find("\\..\\") != std::string::npos)
        __builtin_trap();
    char again[260];
    if (form.find('\\', unc ? 2 : 0) != std::string::npos &&
        (!NormalisePath(normal, again, sizeof again) || form != again))
        __builtin_trap();
    if (!RecordBelongsHere(pathText.get(), pathText.get()))
        __builtin_trap();
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
    CheckNormalForm(record);
    return 0;
}
