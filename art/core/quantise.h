// Reduction of a picture to a palette of at most 256 colours.
#pragma once

#include "image.h"

namespace art {

// Palette index 0 is pure black, the transparent colour. Keeps every colour
// when there are at most 255 opaque ones; otherwise libimagequant picks 255
// for the opaque pixels, without dithering. Pure black maps only to index 0 and
// no other colour ever maps to it or to pure black, so transparency stays
// exactly where the picture put it.
IndexedImage quantise(const RgbImage& image);

// The picture an indexed image shows.
RgbImage expand(const IndexedImage& image);

}  // namespace art
