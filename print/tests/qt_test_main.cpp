// The tests that paint: a QGuiApplication around them (the offscreen platform in the test runs),
// made only when tests run, so that listing them needs no window system.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
