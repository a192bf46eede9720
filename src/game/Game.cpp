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

std::string Game::closeBoxQuestion() const {
    if (!inPlay()) return Program::closeBoxQuestion();
    // A show night runs from the venue on a show day until the end of the night: the booking loads the singles
    // screen, on which every night opens, and the night's end closes it with the other match screens.
    const bool night = isShown(screens::VenueScreen::Name) || isLoaded(screens::SinglesMatchScreen::Name);
    return night ? "Quit this game? Anything you have not saved will be lost, tonight's show included."
                 : "Quit this game? Anything you have not saved will be lost.";
}

std::filesystem::path Game::path(std::string_view relative) const { return forms::gamePath(folder(), relative); }

}  // namespace varnholt
