// A fresh program run over its own program folder, holding the shipped wrestler database and pictures,
// with message and input boxes answered from a queue.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <unistd.h>

#include "forms/Dialogs.h"
#include "forms/Files.h"
#include "game/Game.h"

namespace varnholt::testing {

// A whole file's bytes (empty for a missing file).
inline std::string fileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // Named by the test and the process, so that runs side by side never share a folder.
        folder_ = fs::temp_directory_path() / ("varnholt-" + std::string(info->test_suite_name()) + "-" +
                                               info->name() + "-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "data");
        // The tests run in the build's program folder, which holds the shipped files.
        for (const char* f : {"data/wrestlers.dat", "data/promotion.dat", "title.bmp", "QAVLE.bmp", "banner.bmp"})
            forms::copyFile(fs::current_path() / f, folder_ / f);
        for (const char* s : {"saves/s1", "saves/s2", "saves/s3", "saves/s4"}) fs::create_directories(folder_ / s);
        game_ = std::make_unique<Game>(folder_, dialogs_);
        game_->start();
    }

    void TearDown() override {
        game_.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
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

    std::filesystem::path folder_;
    forms::QueuedDialogs dialogs_;
    std::unique_ptr<Game> game_;
};

}  // namespace varnholt::testing
