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
    // A show night runs from the venue's booking until its match screens are closed at its end.
    const bool night = isShown(screens::VenueScreen::Name) || isShown(screens::PolaroidScreen::Name) ||
                       isLoaded(screens::SinglesMatchScreen::Name) || isLoaded(screens::TagMatchScreen::Name) ||
                       isLoaded(screens::TripleThreatMatchScreen::Name) || isLoaded(screens::FourWayMatchScreen::Name);
    return night ? "Quit this game? Anything you have not saved will be lost, tonight's show included."
                 : "Quit this game? Anything you have not saved will be lost.";
}

std::filesystem::path Game::path(std::string_view relative) const { return forms::gamePath(folder(), relative); }

}  // namespace varnholt
