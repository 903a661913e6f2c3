// What the main window's status line says after an install: the text of the outcome's cause.
#include "install_outcome.h"

#include "../resources/resource_ids.h"

unsigned InstallOutcomeText(const InstallOutcome &outcome, bool ntFamily) {
    if (outcome.installed)
        return LANG_READY;
    switch (outcome.refusal) {
    case RefusedNoTitle:
        return 0;
    case RefusedSourceSize:
        return LANG_INSTALL_TOO_LARGE;
    case RefusedEarlierValues:
        return LANG_INSTALL_EARLIER;
    case InstallAccepted:
        return outcome.accessDenied && ntFamily ? LANG_INSTALL_DENIED : LANG_INSTALL_FAILED;
    case RefusedNoNames:
    case RefusedFolder:
    case RefusedNotRemovable:
        break;
    }
    return LANG_INSTALL_FAILED;
}
