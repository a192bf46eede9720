#include "scenario/ProgramFolder.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

namespace varnholt::scenario {

TempFolder::TempFolder(const std::string& prefix) {
    std::error_code ec;
    const fs::path under = fs::temp_directory_path(ec);
    if (ec) throw std::runtime_error("there is no temporary folder to make a program folder in");
    std::string pattern = (under / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("could not make a folder under " + under.string());
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path();
    return exe.parent_path();
}

ProgramFolder::ProgramFolder(const std::string& prefix, const fs::path& shipped) : TempFolder(prefix) {
    std::error_code ec;
    for (const char* name : ShippedFiles) {
        const fs::path from = shipped / name;
        if (!fs::is_regular_file(from, ec))
            throw std::runtime_error("the game's shipped file " + std::string(name) + " is not in " + shipped.string() +
                                     ": without it the game would play with no data");
        fs::create_directories((path() / name).parent_path());
        fs::copy_file(from, path() / name, fs::copy_options::overwrite_existing);
    }
    // The save slots start empty: a game played from the shipped folder may have left saves there.
    for (const char* slot : {"saves/s1", "saves/s2", "saves/s3", "saves/s4"}) fs::create_directories(path() / slot);
}

}  // namespace varnholt::scenario
