#pragma once

#include "brush.h"
#include "vector_path.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace trimwise::artwork {

// Draws the committed pictures with arithmetic that gives the same bytes on every x86-64
// processor, which QPainter does not promise: its raster engine picks SSE4.1, AVX2 or plain
// code for blending, gradients and pixel conversions by the processor it runs on, and the
// SIMD versions round differently (the unpremultiplying of ARGB32_Premultiplied, for one,
// divides with the processor's approximate reciprocal instruction, whose bits differ between
// makers and emulators). glibc likewise picks FMA or SSE2 versions of sin and cos.
//
// So the canvas holds 16 x 16 samples per pixel. A fill marks every sample whose centre lies
// inside its outlines (non-zero winding) as its own, without antialiasing, over whatever
// was there. resolve() then gives each pixel the mean colour of its samples: each fill that
// owns samples in the pixel adds its brush's colour at the centre of those samples, rounded
// to whole levels, times their number, all summed in integers. Only + - * / and sqrt are
// used, which IEEE 754 rounds the same way everywhere, and the generator is compiled with
// -ffp-contract=off, so no multiply and add are fused into one rounding.
class SupersampledCanvas {
public:
    static constexpr int kSamplesPerSide = 16;

    SupersampledCanvas(int width, int height);

    // Fills the path, mapped by `transform`, with `brush` in the path's own coordinates.
    void fill(const Path& path, const Affine& transform, const Brush& brush);

    // Outlines the path with a pen of `width` in the path's own units, centred on the line,
    // with bevelled corners, as QPen's defaults draw closed outlines.
    void stroke(const Path& path, const Affine& transform, double width, Rgb colour);

    // One pixel per 16 x 16 samples in ARGB32 (not premultiplied): alpha is the share of
    // samples drawn, the colour the mean of the drawn ones; untouched pixels are 0.
    [[nodiscard]] QImage resolve() const;

private:
    // A fill's brush, and where a point of the canvas lies in the brush's coordinates.
    struct Layer {
        Brush brush;
        Affine canvasToBrush;
    };

    void fillPolygons(const std::vector<Polygon>& outlines, Layer layer);
    [[nodiscard]] QRgb resolvePixel(int x, int y) const;

    int width_;
    int height_;
    std::vector<Layer> layers_;
    std::vector<std::uint16_t> samples_; // 0 where empty, else 1 + the index of a layer
};

} // namespace trimwise::artwork
