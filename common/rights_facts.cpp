// What decides whether a program has the rights a change needs or can ask for them.
#include "rights_facts.h"

bool ElevationPossible(const RightsFacts &facts) {
    return facts.ntFamily && facts.vistaOrLater && facts.uacOn && !facts.elevated &&
           (facts.elevationType == ElevationKind::Limited ||
            facts.elevationType == ElevationKind::Default);
}
