// One run of the game: the screen registry, dialogs and generator of the toolkit, and every value the
// game keeps outside its screens, grouped by the subsystem that owns it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "forms/Program.h"
#include "game/Globals.h"
#include "management/ManagementGlobals.h"
#include "shell/ShellGlobals.h"
#include "shownight/ShowNightGlobals.h"
#include "wrestlers/WrestlerGlobals.h"

namespace varnholt {

class Game : public forms::Program, public WrestlerGlobals,
             public ShellGlobals,
             public ShowNightGlobals,
             public ManagementGlobals {
public:
    Game(std::filesystem::path programFolder, forms::Dialogs& dialogs);

    // The program's start-up: shows the first screen.
    void start();

    // A value kept outside the screens, by its name in the code ("RivalPopularity(3)").
    std::optional<std::string> global(std::string_view name) const { return globals_.read(name); }

    // A game is in play from its first day on the hub until it ends and the hub is unloaded.
    bool inPlay() const override;
    // In play, the close box's end question says what ending the game now loses.
    std::string closeBoxQuestion() const override;

    // A path under the program folder, written with "\" or "/".
    std::filesystem::path path(std::string_view relative) const;

private:
    GlobalTable globals_;
};

}  // namespace varnholt
