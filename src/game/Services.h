// What the start-up screens and the hub ask of subsystems built on top of them. They are declared here,
// with the game, and defined by the subsystem that offers them, so that the shell reaches them without
// depending on that subsystem's screens.
#pragma once

#include <optional>
#include <string>

namespace forms {
class Control;
}

namespace varnholt {

class Game;

// The named saves of the saved games: the hub's hidden second SAVE, and the main menu's hidden
// saved-game list.
void SaveUnderName(Game& game);
void FillSavedGameList(forms::Control& list);  // every "*.qavle" of the current folder
void SelectSavedGame(Game& game);              // the menu's File1 pick
void LoadSelectedGame(Game& game);             // the menu's second LOAD GAME
void DeleteSavedGame(Game& game);              // the menu's DEL

// A feud's heat in words, which the hub's FEUDS writes for the first feud: "Very low" for 1 .. "Very
// high" for 5, nothing for another number. Kept with the feuds' rules.
std::optional<std::string> FeudHeatWord(int heat);

}  // namespace varnholt
