// The permissions of the folders the install creates: only administrators may change what an
// administrator later runs from there (the uninstaller, started elevated from Windows' list).
#pragma once
#include <windows.h>

// Administrators and the system may do anything; the machine's users may read and run what is
// inside, but not create, change, rename or delete anything. Protected: nothing is inherited from
// above, where a drive's root lets every signed-in user create and change. The files the install
// puts inside inherit the same. Folders that existed before keep their own permissions.
#define INSTALL_FOLDER_SECURITY "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"

// Security attributes for a folder to be created; `attributes` is NULL where the system keeps no
// permissions (the 9x family) or cannot read the descriptor's text (NT 4.0 and older: the call is
// looked up at run time), and the folder is then created as before. Filled in place, as
// `attributes` points into the same struct.
struct FolderSecurity {
    SECURITY_ATTRIBUTES *attributes;
    SECURITY_ATTRIBUTES storage;
};
void MakeFolderSecurity(FolderSecurity *security);
void FreeFolderSecurity(FolderSecurity *security);
