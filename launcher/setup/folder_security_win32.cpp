// The permissions of the folders the install creates.
#include "folder_security.h"

#include "../../common/system_library.h"

namespace {
typedef BOOL(WINAPI *DescriptorFromText)(LPCSTR, DWORD, PSECURITY_DESCRIPTOR *, PULONG);
const DWORD kDescriptorRevision = 1; // SDDL_REVISION_1
} // namespace

void MakeFolderSecurity(FolderSecurity *security) {
    *security = FolderSecurity{};
    DescriptorFromText convert = ExportedFunction<DescriptorFromText>(
        GetModuleHandleA("advapi32.dll"), "ConvertStringSecurityDescriptorToSecurityDescriptorA");
    PSECURITY_DESCRIPTOR descriptor = NULL;
    if (convert == NULL ||
        !convert(INSTALL_FOLDER_SECURITY, kDescriptorRevision, &descriptor, NULL))
        return;
    security->storage.nLength = sizeof security->storage;
    security->storage.lpSecurityDescriptor = descriptor;
    security->storage.bInheritHandle = FALSE;
    security->attributes = &security->storage;
}

void FreeFolderSecurity(FolderSecurity *security) {
    if (security->attributes != NULL)
        LocalFree(security->storage.lpSecurityDescriptor);
    security->attributes = NULL;
}
