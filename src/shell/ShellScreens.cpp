#include "game/Game.h"
#include "shell/CreateFederation.h"
#include "shell/FederationScreens.h"
#include "shell/Hub.h"
#include "shell/NewGame.h"
#include "shell/StartupScreens.h"

namespace varnholt {

void registerShellScreens(Game& game) {
    game.registerForm<SplashScreen>(game);
    game.registerForm<DisclaimerScreen>(game);
    game.registerForm<MainMenu>(game);
    game.registerForm<CreditsScreen>(game);
    game.registerForm<NewGameScreen>(game);
    game.registerForm<CreateFederationScreen>(game);
    game.registerForm<FederationHub>(game);
    game.registerForm<FederationInfoScreen>(game);
    game.registerForm<FinanceScreen>(game);
    game.registerForm<NotesPad>(game);
    game.setEndQuestion(MainMenu::ExitQuestion, MainMenu::ExitTitle);
}

}  // namespace varnholt
