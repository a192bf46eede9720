#include "game/Game.h"
#include "shell/StartupScreens.h"

namespace varnholt {

void registerShellScreens(Game& game) {
    game.registerForm<SplashScreen>(game);
    game.registerForm<DisclaimerScreen>(game);
    game.registerForm<MainMenu>(game);
    game.registerForm<CreditsScreen>(game);
}

}  // namespace varnholt
