// Reading, writing and removing the install record through the profile calls.
#include "install_record_file.h"

#include "file_ops.h"
#include "string_source.h"
#include "text.h"

bool LocateInstallRecord(UINT iniNameId, UINT sectionOffset, InstallRecordPlace *place) {
    place->file[0] = '\0';
    place->section[0] = '\0';
    char windows[MAX_PATH], name[20];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    LoadFixedString(iniNameId, name, sizeof name);
    LoadLangString(sectionOffset, place->section, sizeof place->section);
    if (length > 0 && length < sizeof windows && place->section[0] != '\0' &&
        BuildRecordFilePath(windows, name, place->file, sizeof place->file))
        return true;
    place->section[0] = '\0';
    return false;
}

RecordRead ReadInstallRecord(const InstallRecordPlace &place, char *value, size_t capacity) {
    if (capacity > 0)
        value[0] = '\0';
    if (place.file[0] == '\0')
        return RecordAbsent;
    char read[kRecordReadCapacity] = "";
    GetPrivateProfileStringA(place.section, INSTALL_RECORD_KEY, "", read, sizeof read, place.file);
    const size_t length = TextLength(read);
    if (length == 0)
        return RecordAbsent;
    // A value that filled the read buffer may have been cut by the profile call itself.
    if (length + 1 >= sizeof read || length + 1 > capacity)
        return RecordTooLong;
    CopyText(value, capacity, read);
    return RecordFound;
}

bool WriteInstallRecord(const InstallRecordPlace &place, const char *value) {
    return place.file[0] != '\0' &&
           WritePrivateProfileStringA(place.section, INSTALL_RECORD_KEY, value, place.file);
}

namespace {
// Deletes the file when it holds no section any more.
void DeleteWhenEmpty(const char *file) {
    char remaining[20];
    if (GetPrivateProfileStringA(NULL, NULL, "", remaining, sizeof remaining, file) == 0)
        DeleteByName(file);
}
} // namespace

bool RemoveInstallRecord(const InstallRecordPlace &place) {
    if (place.file[0] == '\0' || !WritePrivateProfileStringA(place.section, NULL, NULL, place.file))
        return false;
    DeleteWhenEmpty(place.file);
    return true;
}

void RemoveInstallRecordKey(const InstallRecordPlace &place) {
    if (place.file[0] == '\0' ||
        !WritePrivateProfileStringA(place.section, INSTALL_RECORD_KEY, NULL, place.file))
        return;
    char keys[4];
    if (GetPrivateProfileSectionA(place.section, keys, sizeof keys, place.file) != 0)
        return;
    WritePrivateProfileStringA(place.section, NULL, NULL, place.file);
    DeleteWhenEmpty(place.file);
}
