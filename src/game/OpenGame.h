// A game and the wrestler editor both work on the program folder's wrestlers.dat, so the two are never open
// together: while the editor is up nothing starts a game or moves a wrestler, and the editor does not open
// over a game in progress.
#pragma once

#include <string_view>

namespace varnholt {

class Game;

// The hub holds a game: every game on the hub has a year (a new game starts in one, and a load takes back
// only a year that is a number). A hub without one holds no game: a screen left up when its game ended has
// brought it back, or a federation is still being created.
bool GameInProgress(Game& game);

// The wrestler editor or its add dialog is open.
bool EditorOpen(Game& game);

// While the editor is open, tells the player what to do ("... before you `what`. `nothingDone`") and gives
// true: the caller then does nothing.
bool RefusedWhileEditing(Game& game, std::string_view what, std::string_view nothingDone);

}  // namespace varnholt
