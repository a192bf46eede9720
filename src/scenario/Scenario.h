// The headless play-test runner: reads a scenario file (one step a line), starts a fresh program in a
// fresh program folder, plays the steps as the player would and checks what the screens show.
// The language is described in tests/scenarios/README.md.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/ProgramFolder.h"

namespace varnholt {
class Game;
}

namespace varnholt::scenario {

namespace fs = std::filesystem;

// One step of a scenario: its keyword and arguments, already unquoted.
struct Step {
    int line = 0;
    std::string keyword;
    std::vector<std::string> args;
    // `record` only: the FIELD=VALUE pairs in the order written.
    std::vector<std::pair<std::string, std::string>> fields;
};

// The outcome of one scenario: on failure, the line (from 1) and what was expected and found.
struct Result {
    bool passed = true;
    int line = 0;
    std::string message;
};

// Splits a scenario text into steps. On a malformed line or an unknown keyword it fills `error` and
// returns what was read before it.
std::vector<Step> parse(std::string_view text, Result& error);

struct Options {
    // The folder that holds the shipped files (data/*.dat, the pictures, saves/s1..s4).
    fs::path shippedFolder;
    // Runs on the fresh game before its start-up; tests use it to add screens of their own.
    std::function<void(Game&)> prepare;
    // Runs on the game after the last step passed, while its program folder is still there.
    std::function<void(Game&)> finish;
};

// Runs a scenario text in a fresh program. The current folder is the program folder while it runs
// and is restored afterwards; the program folder is deleted afterwards.
Result runText(std::string_view text, const Options& options);
// Reads the file and runs it; a file that cannot be read fails at line 0.
Result runFile(const fs::path& file, const Options& options);

// "PASS file" or "FAIL file:LINE: message".
std::string report(const std::string& fileName, const Result& result);

}  // namespace varnholt::scenario
