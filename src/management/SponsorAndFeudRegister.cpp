#include "game/Game.h"
#include "management/Feuds.h"
#include "management/Sponsors.h"

namespace varnholt {

void registerSponsorAndFeudScreens(Game& game) {
    game.registerForm<SponsorScreen>(game);
    game.registerForm<FeudScreen>(game);
}

}  // namespace varnholt
