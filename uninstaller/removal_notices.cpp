// What the user is told when a removal stops short.
#include "removal_notices.h"

#include "resources/uninstaller_ids.h"

RemovalNotice NoticeFor(const RemovalPlan &plan, const RemovalOutcome &outcome) {
    if (!outcome.stopped)
        return outcome.selfDeleteMissing ? RemovalNotice{IDS_LANG_UNINSTALLER_STAYS, plan.ownPath}
                                         : RemovalNotice{0, ""};
    switch (outcome.stoppedAt) {
    case RemovalStepKind::DataFile:
        return RemovalNotice{IDS_LANG_DATA_FILE_STAYS, ""};
    case RemovalStepKind::Record:
        return RemovalNotice{IDS_LANG_RECORD_STAYS, ""};
    case RemovalStepKind::Entry:
        return RemovalNotice{IDS_LANG_ENTRY_STAYS, ""};
    case RemovalStepKind::InstalledUninstaller:
        return RemovalNotice{IDS_LANG_UNINSTALLER_STAYS, plan.installedUninstaller};
    default: // the other steps never stop the removal
        return RemovalNotice{0, ""};
    }
}
