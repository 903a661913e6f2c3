// Where the shield and the text go on a button that asks for an administrator's rights.
#include "shield_layout.h"

ShieldButtonLayout PlanShieldButton(const ShieldButtonFacts &facts) {
    const long both = facts.icon + facts.gap + facts.textWidth;
    const long face = facts.width - 2 * facts.edge;
    long left = facts.edge + (face > both ? (face - both) / 2 : 0);
    const long shift = facts.pushed ? 1 : 0;
    left += shift;
    const long iconTop = (facts.height - facts.icon) / 2 + shift;
    const long textTop = (facts.height - facts.textHeight) / 2 + shift;
    ShieldButtonLayout layout;
    layout.icon = Box{left, iconTop, left + facts.icon, iconTop + facts.icon};
    const long textLeft = left + facts.icon + facts.gap;
    layout.text = Box{textLeft, textTop, textLeft + facts.textWidth, textTop + facts.textHeight};
    return layout;
}
