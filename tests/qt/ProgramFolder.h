// A fresh program folder for a test of the game in its real window: the shipped wrestler database and
// pictures from the folder the tests run in, and empty save slots.
#pragma once

#include <filesystem>
#include <string>

#include <unistd.h>

#include "forms/Files.h"

// The folder's name carries the process's, so that runs side by side never share a folder.
inline std::filesystem::path freshProgramFolder(const std::string& name) {
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "data");
    for (const char* f : {"data/wrestlers.dat", "data/promotion.dat", "title.bmp", "QAVLE.bmp", "banner.bmp"})
        forms::copyFile(fs::current_path() / f, folder / f);
    for (const char* slot : {"saves/s1", "saves/s2", "saves/s3", "saves/s4"}) fs::create_directories(folder / slot);
    return folder;
}
