// Gathering what an install is planned from: the files' sizes, the launcher's names, and the
// install record and uninstall entry an earlier installation left.
#include "install_facts.h"

#include "../../common/code_pages.h"
#include "../../common/install_record_file.h"
#include "../../common/string_source.h"
#include "../../common/uninstall_entry.h"
#include "../core/install_state.h"
#include "../resources/resource_ids.h"
#include "install_files.h"

void GatherInstallFacts(InstallFacts *facts) {
    // A missing file sizes as 0; one too large for the copy keeps its true size here, so that
    // the space tests refuse it.
    facts->sourceBytes = FileBytes(facts->dataSource);
    facts->uninstallerBytes = FileBytes(facts->uninstallerSource);
    LoadFixedString(IDS_DATA_FILE, facts->dataFileName, sizeof facts->dataFileName);
    LoadFixedString(IDS_UNINSTALLER, facts->uninstallerName, sizeof facts->uninstallerName);
    LoadFixedString(IDS_PUBLISHER, facts->publisher, sizeof facts->publisher);
    LoadFixedString(IDS_DISPLAY_VERSION, facts->displayVersion, sizeof facts->displayVersion);
    LoadLangString(LANG_TITLE, facts->title, sizeof facts->title);
    TitleRecordPlace(&facts->recordPlace);
    facts->previousRecord = ReadInstallRecord(facts->recordPlace, facts->previousRecordValue,
                                              sizeof facts->previousRecordValue);
    facts->previousEntry = SnapshotUninstallEntry(facts->title, &facts->previousEntryValues);
    facts->batch = ThisSystemsBatchInterpreter();
}
