#include "game/Game.h"

namespace varnholt {

void registerSponsorAndFeudScreens(Game&) {}

}  // namespace varnholt
