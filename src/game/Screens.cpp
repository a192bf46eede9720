#include "game/Screens.h"

#include "game/Game.h"

namespace varnholt {

// Each subsystem registers its own screens.
void registerShellScreens(Game& game);
void registerShowNightScreens(Game& game);
void registerMatchScreens(Game& game);
void registerManagementScreens(Game& game);
void registerEditorScreens(Game& game);
void registerSavedGameScreens(Game& game);

void registerScreens(Game& game) {
    registerShellScreens(game);
    registerShowNightScreens(game);
    registerMatchScreens(game);
    registerManagementScreens(game);
    registerEditorScreens(game);
    registerSavedGameScreens(game);
}

}  // namespace varnholt
