// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_window.h"
#include "support/fake_platform.h"
#include "support/printers.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

// The real main window, shown and activated as at program start, with a scripted platform.
template <class P> class WindowWith : public ::testing::Test {
protected:
    // Shows the window and lets its first activation run, as at program start.
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().activated; }, 5000));
    }

    template <class T = QWidget> T* find(const char* name) {
        auto* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) { return find<QLabel>(name)->text(); }
    void choose(const char* item) { find<QAction>(item)->trigger(); }

    P platform;
    zephyra::Trelativefrm window{platform};
};

using Window = WindowWith<FakePlatform>;
