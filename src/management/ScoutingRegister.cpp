#include "game/Game.h"

namespace varnholt {

void registerScoutingScreens(Game&) {}

}  // namespace varnholt
