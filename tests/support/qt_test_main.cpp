#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    // A test closes windows freely; that must not end the application that later tests still need.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
