// The install folder the Setup dialog or the browser chose and the install run uses.
#include "install_folder.h"

#include "../../common/text.h"

static char gInstallFolder[kInstallFolderCapacity] = "";

const char *InstallFolder() {
    return gInstallFolder;
}

void SetInstallFolder(const char *folder) {
    CopyText(gInstallFolder, sizeof gInstallFolder, folder);
}
