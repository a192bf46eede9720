// Folders for a program that plays the game away from the player's own files: each one is new, under the
// system's temporary folder, with a name no other run can have (two test runs at once on one machine never
// meet), and it is removed, with only what is in it, when its object goes.
#pragma once

#include <filesystem>
#include <string>

namespace varnholt::scenario {

namespace fs = std::filesystem;

// An empty folder of its own: PREFIX-XXXXXX under the temporary folder, the Xs chosen by the system so that
// no other folder has them.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// The files the game ships with, relative to its program folder: without them it plays an empty game.
inline constexpr const char* ShippedFiles[] = {"data/wrestlers.dat", "data/promotion.dat", "title.bmp", "QAVLE.bmp",
                                               "banner.bmp"};

// The folder of the running executable: where the build lays out the shipped files.
fs::path executableFolder();

// A fresh program folder: copies of the shipped files from `shipped` and the four empty save slots. A shipped
// file missing from `shipped` is an error (std::runtime_error naming it) before anything is played.
class ProgramFolder : public TempFolder {
public:
    explicit ProgramFolder(const std::string& prefix, const fs::path& shipped = executableFolder());
};

}  // namespace varnholt::scenario
