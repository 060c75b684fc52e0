#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The image plugins need an application object, but no screen; test discovery at build
    // time runs without the test environment, so default to the offscreen platform here too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
