// Every screen of the game, registered once per program run.
#pragma once

#include "game/ScreenNames.h"

namespace varnholt {

class Game;

// The screen the program opens at start.
inline constexpr const char* StartupScreen = screens::SplashScreen::Name;

void registerScreens(Game& game);

}  // namespace varnholt
