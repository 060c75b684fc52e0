#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Regenerating the artwork must give the committed files byte for byte, so that nobody has
// to wonder whether the pictures in the repository still come from the generator.
TEST(ArtworkGenerator, ReproducesTheCommittedFiles) {
    const QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess generator;
    generator.start(QStringLiteral(TRIMWISE_ARTWORK_GENERATOR), {output.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const char* const files[] = {
        "BackgroundPicture.bmp",   "DovePicture.gif",       "WindowIcon.ico",
        "LaughingFacePointer.ico", "HandPointer.ico",       "NeutralFacePointer.ico",
        "BananaPointer.ico",       "SadFacePointer.ico",    "WarningPointer.ico",
        "SmilingFacePointer.ico",  "icons/trimwise-16.png", "icons/trimwise-32.png",
    };
    for (const char* const name : files) {
        const QByteArray made = ReadFile(output.filePath(name));
        const QByteArray committed = ReadFile(QStringLiteral(TRIMWISE_ASSETS_DIR "/") + name);
        EXPECT_FALSE(made.isEmpty()) << name;
        EXPECT_TRUE(made == committed) << name << " differs from the generator's output";
    }
}

TEST(ArtworkGenerator, RefusesAMissingFolder) {
    QProcess generator;
    generator.start(QStringLiteral(TRIMWISE_ARTWORK_GENERATOR),
                    {QStringLiteral("/nonexistent/trimwise-artwork-output")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_NE(generator.exitCode(), 0);
}

} // namespace
