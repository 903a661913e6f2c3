// The status line's text once an install has ended, or was refused before it began.
#include "install_status.h"

#include "../resources/resource_ids.h"
#include "../setup/install_outcome.h"

unsigned InstallStatusText(const InstallOutcome &outcome, HandOffResult handOff, bool ntFamily) {
    if (handOff == HandOffDeclined)
        return LANG_ELEVATION_DECLINED;
    if (handOff == HandOffFailed)
        return LANG_INSTALL_FAILED;
    return InstallOutcomeText(outcome, ntFamily);
}
