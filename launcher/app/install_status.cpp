// The status line's text once an install has ended, or was refused before it began.
#include "install_status.h"

#include "../resources/resource_ids.h"

unsigned InstallStatusText(const InstallOutcome &outcome, HandOffResult handOff) {
    if (handOff == HandOffDeclined)
        return LANG_ELEVATION_DECLINED;
    if (handOff == HandOffFailed)
        return LANG_INSTALL_FAILED;
    if (outcome.installed)
        return LANG_READY;
    if (outcome.refusal == RefusedNoTitle)
        return 0;
    return outcome.refusal == RefusedSourceSize ? LANG_INSTALL_TOO_LARGE : LANG_INSTALL_FAILED;
}
