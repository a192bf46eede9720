// The tag-team, triple-threat and four-way match screens join the show night's singles screen.
#include "game/Game.h"
#include "matches/MultiMatchScreens.h"
#include "matches/TagMatchScreen.h"

namespace varnholt {

void registerMatchScreens(Game& game) {
    game.registerForm<TagMatchScreen>(game);
    game.registerForm<TripleThreatMatchScreen>(game);
    game.registerForm<FourWayMatchScreen>(game);
}

}  // namespace varnholt
