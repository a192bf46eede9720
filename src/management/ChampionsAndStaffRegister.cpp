#include "game/Game.h"
#include "management/Championships.h"
#include "management/Staff.h"

namespace varnholt {

void registerChampionsAndStaffScreens(Game& game) {
    game.registerForm<ChampionsScreen>(game);
    game.registerForm<RenameDialog>(game);
    game.registerForm<StaffScreen>(game);
}

}  // namespace varnholt
