#include "game/Game.h"

namespace varnholt {

void registerChampionsAndStaffScreens(Game&) {}

}  // namespace varnholt
