// The folders that tests and the play-test runner play the game in: one of its own for every program, however
// many runs share the machine, and nothing played without the shipped data.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "scenario/ProgramFolder.h"
#include "scenario/Scenario.h"

namespace varnholt::scenario {
namespace {

TEST(ProgramFolders, EachIsItsOwnAndTakesAwayOnlyItself) {
    std::optional<ProgramFolder> one(std::in_place, "varnholt-folders");
    const ProgramFolder two("varnholt-folders");
    const fs::path first = one->path();
    ASSERT_NE(first, two.path());
    EXPECT_EQ(first.parent_path(), fs::temp_directory_path());
    for (const char* shipped : ShippedFiles) {
        EXPECT_EQ(fs::file_size(first / shipped), fs::file_size(executableFolder() / shipped)) << shipped;
        EXPECT_TRUE(fs::exists(two.path() / shipped)) << shipped;
    }
    EXPECT_TRUE(fs::is_empty(first / "saves/s4"));

    // Something beside it whose name begins the same, and a file the game wrote in it.
    const TempFolder beside(first.filename().string());
    std::ofstream(first / "1.qavle") << "saved";
    one.reset();
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(fs::exists(beside.path()));
    EXPECT_TRUE(fs::exists(two.path() / "data/wrestlers.dat"));
}

TEST(ProgramFolders, WithoutTheShippedDataNothingIsPlayed) {
    const TempFolder empty("varnholt-no-data");
    // The folders made meanwhile go into a temporary folder of this test's own, to see that none is left.
    const TempFolder temp("varnholt-temp");
    const char* const previous = std::getenv("TMPDIR");
    const std::string restore = previous ? previous : "";
    setenv("TMPDIR", temp.path().c_str(), 1);
    try {
        ProgramFolder folder("varnholt-folders", empty.path());
        ADD_FAILURE() << "a program folder was made without the shipped files, at " << folder.path();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("data/wrestlers.dat"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(empty.path().string()), std::string::npos) << e.what();
    }

    // The runner reports it before the program starts.
    Options options;
    options.shippedFolder = empty.path();
    bool started = false;
    options.prepare = [&](Game&) { started = true; };
    const Result r = runText("expect-shown MainMenu\n", options);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.line, 0);
    EXPECT_NE(r.message.find("data/wrestlers.dat"), std::string::npos) << r.message;
    EXPECT_FALSE(started);
    EXPECT_TRUE(fs::is_empty(temp.path()));

    if (previous) setenv("TMPDIR", restore.c_str(), 1);
    else unsetenv("TMPDIR");
}

}  // namespace
}  // namespace varnholt::scenario
