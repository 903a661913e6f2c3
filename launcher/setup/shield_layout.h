// Where the shield and the text go on a button that asks for an administrator's rights.
#pragma once

#include "../../common/placement.h"

// The button's size, its edge (the frame's width on each side), the icon's side, the gap between
// icon and text, and the text's size in the button's font.
struct ShieldButtonFacts {
    long width, height, edge;
    long icon, gap;
    long textWidth, textHeight;
    bool pushed; // a pushed button draws its face one pixel right and down
};

struct ShieldButtonLayout {
    Box icon, text;
};

// The shield and the text side by side, centred together on the button's face; when they are
// wider than the face, the shield keeps to the face's left edge and the text follows it.
ShieldButtonLayout PlanShieldButton(const ShieldButtonFacts &facts);
