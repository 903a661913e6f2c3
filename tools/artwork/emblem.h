// Renders the small round moor emblem used by both programs' icons.
#pragma once

#include "image_types.h"

namespace artwork {

// Hill and low sun in a round badge, 8 bits per pixel on the picture palette.
IconImage RenderLauncherIcon(int size);

// The badge with a red "remove" disc and white cross, 4 bits per pixel, 16 colours.
IconImage RenderUninstallerIcon(int size);

} // namespace artwork
