#include "game/Game.h"

namespace varnholt {

void registerShowNightScreens(Game&) {}

}  // namespace varnholt
