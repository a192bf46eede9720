// The four match screens of a show night.
#include "game/Game.h"
#include "matches/MultiMatchScreens.h"
#include "matches/SinglesMatchScreen.h"
#include "matches/TagMatchScreen.h"

namespace varnholt {

void registerMatchScreens(Game& game) {
    game.registerForm<SinglesMatchScreen>(game);
    game.registerForm<TagMatchScreen>(game);
    game.registerForm<TripleThreatMatchScreen>(game);
    game.registerForm<FourWayMatchScreen>(game);
}

}  // namespace varnholt
