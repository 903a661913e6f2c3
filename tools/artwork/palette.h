// The 236-colour palette of the title picture, built from deliberate colour ramps.
#pragma once

#include "image_types.h"

namespace artwork {

constexpr int kPicturePaletteSize = 236;

// Ramp anchor colours, also used by the renderer so its gradients land on palette entries.
struct RampKeys {
    int count; // palette entries sampled from this ramp
    int keyCount;
    Rgb8 keys[7];
};

enum RampId {
    kRampSky,
    kRampSun,
    kRampStar,
    kRampCloud,
    kRampFarHill,
    kRampMoor,
    kRampGrass,
    kRampHeather,
    kRampWater,
    kRampStone,
    kRampTree,
    kRampTitle,
    kRampOutline,
    kRampCount
};

const RampKeys &Ramp(RampId id);

// Colour along a ramp at t in [0, 1], as floats for blending.
void RampColour(RampId id, float t, float *r, float *g, float *b);

// All ramps sampled in order: exactly kPicturePaletteSize entries.
const std::vector<Rgb8> &PicturePalette();

} // namespace artwork
