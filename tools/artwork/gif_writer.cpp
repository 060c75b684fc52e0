#include "gif_writer.h"

#include <gif_lib.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace trimwise::artwork {

namespace {

constexpr int kColourResolutionBits = 8;

int AppendToByteArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

void Check(int result, const char* step) {
    if (result != GIF_OK) {
        throw std::runtime_error(std::string("giflib failed to write the ") + step);
    }
}

struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

struct ColourMapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

void PutLoopCount(GifFileType* gif, int loopCount) {
    static constexpr char kApplication[] = "NETSCAPE2.0";
    const GifByteType loop[] = {1, static_cast<GifByteType>(loopCount & 0xFF),
                                static_cast<GifByteType>(loopCount >> 8)};
    Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "application extension");
    Check(EGifPutExtensionBlock(gif, sizeof kApplication - 1, kApplication),
          "application extension");
    Check(EGifPutExtensionBlock(gif, sizeof loop, loop), "loop count");
    Check(EGifPutExtensionTrailer(gif), "application extension");
}

void PutFrame(GifFileType* gif, const IndexedAnimation& animation,
              const std::vector<std::uint8_t>& frame) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.UserInputFlag = false;
    control.DelayTime = animation.delayCentiseconds;
    control.TransparentColor = animation.transparentIndex;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension),
          "graphic control extension");

    Check(EGifPutImageDesc(gif, 0, 0, animation.width, animation.height, false, nullptr),
          "image descriptor");
    std::vector<GifPixelType> row(static_cast<std::size_t>(animation.width));
    for (int y = 0; y < animation.height; ++y) {
        const auto start = frame.begin() + static_cast<std::ptrdiff_t>(y) * animation.width;
        std::copy(start, start + animation.width, row.begin());
        Check(EGifPutLine(gif, row.data(), animation.width), "image data");
    }
}

} // namespace

QByteArray EncodeGif(const IndexedAnimation& animation) {
    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, AppendToByteArray, &error));
    if (!gif) {
        throw std::runtime_error("giflib could not start a GIF");
    }

    std::array<GifColorType, 256> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = {static_cast<GifByteType>(qRed(animation.palette[i])),
                      static_cast<GifByteType>(qGreen(animation.palette[i])),
                      static_cast<GifByteType>(qBlue(animation.palette[i]))};
    }
    const std::unique_ptr<ColorMapObject, ColourMapFreer> map(
        GifMakeMapObject(static_cast<int>(colours.size()), colours.data()));
    if (!map) {
        throw std::runtime_error("giflib could not make the colour table");
    }

    EGifSetGifVersion(gif.get(), true);
    Check(EGifPutScreenDesc(gif.get(), animation.width, animation.height, kColourResolutionBits, 0,
                            map.get()),
          "screen descriptor");
    PutLoopCount(gif.get(), animation.loopCount);
    for (const auto& frame : animation.frames) {
        PutFrame(gif.get(), animation, frame);
    }

    // Closing writes the trailer; on failure giflib frees the handle itself.
    if (EGifCloseFile(gif.release(), &error) != GIF_OK) {
        throw std::runtime_error("giflib failed to finish the GIF");
    }
    return bytes;
}

} // namespace trimwise::artwork
