#include "game/Game.h"

#include "forms/Files.h"
#include "game/ScreenNames.h"
#include "game/Screens.h"

namespace varnholt {

Game::Game(std::filesystem::path programFolder, forms::Dialogs& dialogs)
    : forms::Program(std::move(programFolder), dialogs) {
    WrestlerGlobals::describe(globals_);
    ShellGlobals::describe(globals_);
    ShowNightGlobals::describe(globals_);
    ManagementGlobals::describe(globals_);
    registerScreens(*this);
}

void Game::start() { show(StartupScreen); }

bool Game::inPlay() const { return isLoaded(screens::FederationHub::Name); }

std::filesystem::path Game::path(std::string_view relative) const { return forms::gamePath(folder(), relative); }

}  // namespace varnholt
