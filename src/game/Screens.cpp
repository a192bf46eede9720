#include "game/Screens.h"

#include "game/Game.h"
#include "shell/StartupScreens.h"

namespace varnholt {

void registerScreens(Game& game) {
    game.registerForm<SplashScreen>(game);
    game.registerForm<DisclaimerScreen>(game);
    game.registerForm<MainMenu>(game);
    game.registerForm<CreditsScreen>(game);
}

}  // namespace varnholt
