#include "game/Game.h"

namespace varnholt {

// Championships and staff; scouting, the roster and the news page; sponsors and feuds.
void registerChampionsAndStaffScreens(Game& game);
void registerScoutingScreens(Game& game);
void registerSponsorAndFeudScreens(Game& game);

void registerManagementScreens(Game& game) {
    registerChampionsAndStaffScreens(game);
    registerScoutingScreens(game);
    registerSponsorAndFeudScreens(game);
}

}  // namespace varnholt
