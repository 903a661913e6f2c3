// Reading, writing and removing the install record through the profile calls.
#pragma once
#include <windows.h>

#include "install_record.h"

// The record's place from the program's own strings: the INI file named by fixed string
// `iniNameId`, in the Windows directory, and the section named by language string
// `sectionOffset`. False (place empty) when a part is missing or does not fit.
bool LocateInstallRecord(UINT iniNameId, UINT sectionOffset, InstallRecordPlace *place);

// The record's value into dst; empty unless RecordFound.
RecordRead ReadInstallRecord(const InstallRecordPlace &place, char *value, size_t capacity);

// Writes the value; false when the profile call failed (its error is the thread's last error).
bool WriteInstallRecord(const InstallRecordPlace &place, const char *value);

// Removes the "Install" key alone; the section goes only when nothing else is left in it, and the
// file only when no section is left: what others keep beside the record stays.
void RemoveInstallRecordKey(const InstallRecordPlace &place);

// Removes the title's section, and the file when no other section remains. False when the
// section could not be removed.
bool RemoveInstallRecord(const InstallRecordPlace &place);
