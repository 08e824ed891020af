// Reduction of a picture to a palette of at most 256 colours.
#pragma once

#include "image.h"

namespace art {

// Keeps every colour when there are at most 256; otherwise a median cut over
// the opaque colours. Pure black maps only to pure black and no other colour
// ever maps to it, so transparency stays exactly where the picture put it.
IndexedImage quantise(const RgbImage& image);

// The picture an indexed image shows.
RgbImage expand(const IndexedImage& image);

}  // namespace art
