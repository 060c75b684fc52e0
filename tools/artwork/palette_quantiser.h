#pragma once

#include "gif_writer.h"

#include <QImage>
#include <vector>

namespace trimwise::artwork {

struct QuantiserSettings {
    int colourCount = 0;        // colours the frames share, at most 255
    int transparentIndex = 0;   // palette slot kept for see-through pixels
    QRgb transparentColour = 0; // its colour, used by no drawn pixel
    QRgb matte = 0;             // what half-covered edge pixels are blended with
    int minPixelsPerColour = 1; // rarer colours of a frame fold into their neighbours
};

// Reduces drawn frames, ARGB32 with straight alpha, to one shared palette by median cut over
// the colours of all frames together. Pixels at most half covered become transparent, the
// rest are blended with the matte. Each pixel takes the colour of its own box, and then,
// frame by frame, a colour left with only a few pixels (antialiasing speckle) gives them to
// the nearest colour that the frame keeps: fewer colours per frame compress better and look
// the same. The result depends on nothing but the input.
[[nodiscard]] IndexedAnimation Quantise(const std::vector<QImage>& frames,
                                        const QuantiserSettings& settings);

} // namespace trimwise::artwork
