// Draws every picture of the program and writes the complete files into one folder:
//   trimwise-artwork <assets-dir>
// The output depends on nothing but this code, so a run reproduces the committed files.

#include "background.h"
#include "bmp_writer.h"
#include "desktop_icons.h"
#include "dove.h"
#include "gif_writer.h"
#include "ico_writer.h"
#include "icon_designs.h"
#include "page_pictures.h"
#include "palette_quantiser.h"
#include "picture_files.h"
#include "png_writer.h"
#include "web_app.h"

#include <QDir>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <span>
#include <stdexcept>
#include <string_view>

namespace trimwise::artwork {
namespace {

// The median cut's colours, less each frame's speckle: colours of fewer than 8 pixels in a
// frame fold into their nearest neighbours there.
constexpr int kDoveColours = 171;
constexpr int kDoveMinPixels = 8;
constexpr int kDoveTransparentIndex = 182;
constexpr int kDoveLoops = 1000;
constexpr int kDoveDelay = 1; // hundredths of a second

// The dove keeps all 18 frames of one wingbeat, and the pointer files keep the 16 x 16 images
// of their designs beside the 32 x 32 ones, although the window shows only the dove's first
// frame and the 32 x 32 pointers: each picture file is meant to be a complete picture of its
// kind, an animation or an icon, usable beyond this window.
IndexedAnimation DoveAnimation() {
    // Edge pixels are blended with a grey near that of the background behind the dove.
    IndexedAnimation animation =
        Quantise(DrawDoveFrames(), {.colourCount = kDoveColours,
                                    .transparentIndex = kDoveTransparentIndex,
                                    .transparentColour = qRgb(0, 0, 255),
                                    .matte = qRgb(200, 200, 200),
                                    .minPixelsPerColour = kDoveMinPixels});
    animation.loopCount = kDoveLoops;
    animation.delayCentiseconds = kDoveDelay;
    return animation;
}

// The design of a pointer's picture; none for None.
std::vector<IconImage> PointerDesign(Pointer pointer) {
    switch (pointer) {
    case Pointer::LaughingFace:
        return LaughingFace();
    case Pointer::Hand:
        return PointingHand();
    case Pointer::NeutralFace:
        return NeutralFace();
    case Pointer::Banana:
        return Banana();
    case Pointer::SadFace:
        return SadFace();
    case Pointer::Warning:
        return WarningSign();
    case Pointer::SmilingFace:
        return SmilingFace();
    case Pointer::None:
        break;
    }
    return {};
}

void Write(const QDir& folder, const QString& name, const QByteArray& bytes) {
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error("cannot write " + folder.filePath(name).toStdString());
    }
}

void Write(const QDir& folder, std::string_view name, const QByteArray& bytes) {
    Write(folder, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), bytes);
}

void MakeFolder(const QDir& folder, const QString& name) {
    if (!folder.mkpath(name)) {
        throw std::runtime_error("cannot make " + folder.filePath(name).toStdString());
    }
}

void WriteAll(const QDir& folder) {
    const QImage background = DrawBackground();
    Write(folder, kBackgroundPictureFile, EncodeBmp24(background, kBackgroundPixelsPerMetre));
    const IndexedAnimation dove = DoveAnimation();
    Write(folder, kDovePictureFile, EncodeGif(dove));

    const std::vector<IconImage> airliner = Airliner();
    Write(folder, kWindowIconFile, EncodeIco(airliner));
    const auto pointers = std::span(kPointers).subspan(1); // all but None
    for (const Pointer pointer : pointers) {
        Write(folder, PointerFile(pointer), EncodeIco(PointerDesign(pointer)));
    }

    MakeFolder(folder, QStringLiteral("icons"));
    for (const int size : kDesktopIconSizes) {
        Write(folder, QStringLiteral("icons/trimwise-%1.png").arg(size),
              EncodePng(ToImage(DesktopIcon(airliner, size))));
    }

    MakeFolder(folder, QStringLiteral("web"));
    for (const WebAppFile& file : WebAppFiles()) {
        Write(folder, QStringLiteral("web/") + file.name, file.bytes);
    }

    // The same pictures as the page shows them, from what is drawn above: no one decodes the
    // files again for it.
    MakeFolder(folder, QStringLiteral("page"));
    Write(folder, PagePictureName(kBackgroundPictureFile), PagePng(background));
    Write(folder, PagePictureName(kDovePictureFile), PagePng(FirstFrame(dove)));
    for (const Pointer pointer : pointers) {
        for (const int scale : {1, 2}) {
            Write(folder, PagePictureName(PointerFile(pointer), scale),
                  PagePng(PointerImage(PointerDesign(pointer), scale)));
        }
    }
}

} // namespace
} // namespace trimwise::artwork

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trimwise-artwork <assets-dir>\n");
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        if (!folder.exists()) {
            throw std::runtime_error(std::string("no such folder: ") + argv[1]);
        }
        trimwise::artwork::WriteAll(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "trimwise-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
