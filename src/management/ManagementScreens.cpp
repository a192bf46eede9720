// The federation management screens: championships and staff; scouting, the roster and the news page;
// sponsors and feuds.
#include "game/Game.h"
#include "management/Championships.h"
#include "management/Feuds.h"
#include "management/News.h"
#include "management/Scouting.h"
#include "management/Sponsors.h"
#include "management/Staff.h"

namespace varnholt {

void registerManagementScreens(Game& game) {
    game.registerForm<ChampionsScreen>(game);
    game.registerForm<RenameDialog>(game);
    game.registerForm<StaffScreen>(game);
    game.registerForm<ScoutScreen>(game);
    game.registerForm<RosterScreen>(game);
    game.registerForm<NewsScreen>(game);
    game.registerForm<SponsorScreen>(game);
    game.registerForm<FeudScreen>(game);
}

}  // namespace varnholt
