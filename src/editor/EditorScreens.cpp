#include "editor/WrestlerEditor.h"
#include "game/Game.h"

namespace varnholt {

void registerEditorScreens(Game& game) {
    game.registerForm<WrestlerEditor>(game);
    game.registerForm<AddWrestlerDialog>(game);
}

}  // namespace varnholt
