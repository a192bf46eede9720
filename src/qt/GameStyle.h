// The look of the game's windows, the same on every desktop: Qt's Fusion, whose metrics the screens are laid
// out for, with scroll bars that can be seen on every screen's colours: the handle stands out from its track
// by 3:1 at the least, enabled or disabled.
#pragma once

namespace varnholt {

// Makes the game's style the application's: the program sets it once, before it opens a window (again is
// nothing). Windows made before it are drawn in it too, after Qt polishes them again.
void useGameStyle();

}  // namespace varnholt
