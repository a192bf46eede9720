// The one application of a test program of the real window, made before its first test and set up as the game
// sets up its own: closing a window never ends it, and the windows are drawn in the game's style.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include "qt/GameStyle.h"

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "varnholt-qt-tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        app_->setQuitOnLastWindowClosed(false);
        varnholt::useGameStyle();
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

// Included once in each test program.
[[maybe_unused]] inline auto* const qtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);
