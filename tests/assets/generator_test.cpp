// Regenerating the artwork must give the committed files byte for byte on every x86-64
// processor, so that nobody has to wonder whether the pictures in the repository still come
// from the generator. Qt and glibc pick code by the processor they run on, so the generator
// runs natively and under qemu-user as a processor without AVX and as one with AVX2 and FMA.
#include "picture_names.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <vector>

namespace {

const QString kCommitted = QStringLiteral(TRIMWISE_ASSETS_DIR);

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under `folder`, by its path relative to it.
std::set<QString> FilesUnder(const QString& folder, const QStringList& patterns) {
    std::set<QString> files;
    QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.insert(QDir(folder).relativeFilePath(it.next()));
    }
    return files;
}

// The pictures of assets/pictures.cmake, and the only PNGs: the desktop and home-screen icons
// and the page's pictures; and the page's manifest that names the home-screen icons.
std::set<QString> CommittedPictures() {
    std::set<QString> pictures =
        FilesUnder(kCommitted, {QStringLiteral("*.png"), QStringLiteral("*.webmanifest")});
    for (const std::string_view name : trimwise::kPictureFiles) {
        pictures.insert(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    return pictures;
}

std::vector<QImage> GifFrames(const QString& path) {
    QImageReader reader(path);
    std::vector<QImage> frames;
    QImage frame;
    while (reader.read(&frame)) {
        frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    }
    return frames;
}

// Where two files differ: for a GIF the palette entries and the pixels of each frame, for
// anything else the first byte.
std::string Difference(const QString& made, const QString& committed) {
    const QByteArray a = ReadFile(made);
    const QByteArray b = ReadFile(committed);
    std::ostringstream out;
    out << a.size() << " bytes made, " << b.size() << " committed";
    qsizetype first = 0;
    while (first < a.size() && first < b.size() && a[first] == b[first]) {
        ++first;
    }
    out << "; first difference at byte " << first;
    if (!made.endsWith(QStringLiteral(".gif"))) {
        return out.str();
    }
    constexpr qsizetype kPalette = 13; // the global colour table follows the screen descriptor
    std::vector<qsizetype> entries;
    for (qsizetype entry = 0; entry < 256; ++entry) {
        if (a.mid(kPalette + 3 * entry, 3) != b.mid(kPalette + 3 * entry, 3)) {
            entries.push_back(entry);
        }
    }
    if (!entries.empty()) {
        out << "; " << entries.size() << " palette entries differ, from entry " << entries.front();
    }
    const std::vector<QImage> madeFrames = GifFrames(made);
    const std::vector<QImage> committedFrames = GifFrames(committed);
    out << "; " << madeFrames.size() << " frames made, " << committedFrames.size() << " committed";
    for (std::size_t i = 0; i < std::min(madeFrames.size(), committedFrames.size()); ++i) {
        const QImage& x = madeFrames[i];
        const QImage& y = committedFrames[i];
        int pixels = 0;
        for (int row = 0; row < std::min(x.height(), y.height()); ++row) {
            for (int column = 0; column < std::min(x.width(), y.width()); ++column) {
                pixels += x.pixel(column, row) != y.pixel(column, row) ? 1 : 0;
            }
        }
        if (pixels > 0 || x.size() != y.size()) {
            out << "; frame " << i << ": " << pixels << " pixels differ";
        }
    }
    return out.str();
}

struct Processor {
    const char* name;
    QStringList emulator; // empty: the processor the test runs on
};

void PrintTo(const Processor& processor, std::ostream* out) {
    *out << processor.name;
}

class ArtworkGenerator : public testing::TestWithParam<Processor> {};

TEST_P(ArtworkGenerator, ReproducesTheCommittedFiles) {
    const QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QStringList command = GetParam().emulator;
    command << QStringLiteral(TRIMWISE_ARTWORK_GENERATOR) << output.path();
    QProcess generator;
    generator.start(command.takeFirst(), command);
    ASSERT_TRUE(generator.waitForFinished(300000)) << "the generator did not finish";
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const std::set<QString> committed = CommittedPictures();
    ASSERT_EQ(FilesUnder(output.path(), {}), committed) << "the generator writes other files";
    for (const QString& name : committed) {
        const QString made = output.filePath(name);
        const QString original = kCommitted + QStringLiteral("/") + name;
        EXPECT_TRUE(ReadFile(made) == ReadFile(original))
            << name.toStdString()
            << " differs from the generator's output: " << Difference(made, original);
    }
}

INSTANTIATE_TEST_SUITE_P(
    X86_64, ArtworkGenerator,
    testing::Values(Processor{"Native", {}},
                    Processor{"Nehalem", {QStringLiteral(TRIMWISE_QEMU), "-cpu", "Nehalem"}},
                    Processor{"Haswell", {QStringLiteral(TRIMWISE_QEMU), "-cpu", "Haswell"}}),
    [](const testing::TestParamInfo<Processor>& tested) { return std::string(tested.param.name); });

TEST(ArtworkGeneratorUsage, RefusesAMissingFolder) {
    QProcess generator;
    generator.start(QStringLiteral(TRIMWISE_ARTWORK_GENERATOR),
                    {QStringLiteral("/nonexistent/trimwise-artwork-output")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_NE(generator.exitCode(), 0);
}

// A launcher may cut the maskable icon to any shape that keeps the central circle of 80 % of
// its side, so the airliner must lie wholly inside it, on the ground that fills the rest.
TEST(WebAppIcon, MaskablePictureStaysInTheSafeCircle) {
    const QImage icon(kCommitted + QStringLiteral("/web/icon-maskable-512.png"));
    ASSERT_FALSE(icon.isNull());
    const QRgb ground = icon.pixel(0, 0);
    const double middle = icon.width() / 2.0;
    const double radius = 0.4 * icon.width();
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const double dx = x + 0.5 - middle;
            const double dy = y + 0.5 - middle;
            if (icon.pixel(x, y) != ground) {
                ++(dx * dx + dy * dy > radius * radius ? outside : inside);
            }
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 0);
}

} // namespace
