// A fresh program run over its own program folder, holding the shipped wrestler database and pictures,
// with message and input boxes answered from a queue.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "forms/Dialogs.h"
#include "game/Game.h"
#include "scenario/ProgramFolder.h"

namespace varnholt::testing {

// A whole file's bytes (empty for a missing file).
inline std::string fileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // The shipped files come from beside the test program, where the build lays them out.
        program_.emplace("varnholt-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()));
        folder_ = program_->path();
        game_ = std::make_unique<Game>(folder_, dialogs_);
        game_->start();
    }

    void TearDown() override {
        game_.reset();
        program_.reset();
    }

    Game& game() { return *game_; }
    forms::Control& ctl(const char* screen, const char* control) { return game_->form(screen).c(control); }
    void click(const char* screen, const char* control) {
        ctl(screen, control).playerClick();
        game_->collect();
    }
    // From the splash screen to the hub of the preset behind the given new-game button.
    void startPreset(const char* button = "Command1") {
        click("Form1", "Image1");
        click("Form7", "Command1");
        click("Form2", "Command1");
        click("Form3", button);
    }

    std::optional<scenario::ProgramFolder> program_;
    std::filesystem::path folder_;
    forms::QueuedDialogs dialogs_;
    std::unique_ptr<Game> game_;
};

}  // namespace varnholt::testing
