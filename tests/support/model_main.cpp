// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Discovery runs the binary without the test's environment, so choose the platform here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
