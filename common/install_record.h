// The install record both programs share: BRINDMOR.INI in the Windows directory, the title's
// section, key "Install", whose value is the installed data file's full path. The launcher writes
// it, its main dialog and the uninstaller read it, the uninstaller removes it.
#pragma once
#include <cstddef>

#define INSTALL_RECORD_KEY "Install"

const size_t kRecordFileCapacity = 260;    // the INI file's full path
const size_t kRecordSectionCapacity = 256; // the title, as the section's name
// Every value the launcher writes fits in MAX_PATH; a read keeps up to 1,023 characters, so a
// foreign longer value is seen as too long rather than cut to a prefix naming another file.
const size_t kRecordValueCapacity = 260;
const size_t kRecordReadCapacity = 1024;

// Where the record lives.
struct InstallRecordPlace {
    char file[kRecordFileCapacity];
    char section[kRecordSectionCapacity];
};

enum RecordRead {
    RecordAbsent,  // no file, section or value, or an empty value
    RecordFound,   // the value, whole
    RecordTooLong, // a value that does not fit the reader's buffer: it names no file we could use
};

// The INI file's full path: the Windows directory, a backslash (whatever the directory ends with)
// and the file's name. False (dst empty) when a part is empty or the whole does not fit.
bool BuildRecordFilePath(const char *windowsDirectory, const char *iniName, char *dst,
                         size_t capacity);
