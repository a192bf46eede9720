#include "game/Game.h"
#include "management/News.h"
#include "management/Scouting.h"

namespace varnholt {

void registerScoutingScreens(Game& game) {
    game.registerForm<ScoutScreen>(game);
    game.registerForm<RosterScreen>(game);
    game.registerForm<NewsScreen>(game);
}

}  // namespace varnholt
