// Every screen of the game, registered once per program run.
#pragma once

namespace varnholt {

class Game;

// The screen the program opens at start.
inline constexpr const char* StartupScreen = "Form1";

void registerScreens(Game& game);

}  // namespace varnholt
