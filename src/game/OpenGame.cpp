#include "game/OpenGame.h"

#include <string>

#include "game/Game.h"
#include "game/ScreenNames.h"

namespace varnholt {

bool GameInProgress(Game& game) {
    using Hub = screens::FederationHub;
    return game.loaded<Hub>() && !game.form<Hub>().c(Hub::Year).text().empty();
}

bool EditorOpen(Game& game) {
    return game.loaded<screens::WrestlerEditor>() || game.loaded<screens::AddWrestlerDialog>();
}

bool RefusedWhileEditing(Game& game, std::string_view what, std::string_view nothingDone) {
    if (!EditorOpen(game)) return false;
    game.msgBox("The wrestler editor is still open. Press Exit in the editor before you " + std::string(what) +
                    ". " + std::string(nothingDone),
                "Editor open!");
    return true;
}

}  // namespace varnholt
