// The game slots: the screen that saves the running game into one of four slots, the screen that loads
// one back from the main menu, and the named saves of the main menu's saved-game list.
#pragma once

#include <filesystem>
#include <string>

#include "game/Screen.h"
#include "game/Services.h"

namespace varnholt {

inline constexpr int GameSlotCount = 4;

// The saved game of slot n (1..4), named without a folder so that it lies in the current folder.
std::filesystem::path SlotSavedGamePath(int slot);
// The slot's folder of record-file copies under the program folder.
std::filesystem::path SlotFolder(const Game& game, int slot);

// Saves the running game into slot n: the saved game and copies of both record files. Either all three
// files of the slot are replaced or, when something cannot be written, none is and the player is told.
// Nothing is written when the hub holds no game (the slot screen then closes) or when the slot's load
// would refuse what the game holds. True when the slot holds the game now.
bool SaveToSlot(Game& game, int slot);

// Loads slot n: a slot without a saved game changes nothing; a damaged slot (its saved game or its
// wrestler files) is refused with a message and changes nothing either. Otherwise the values are
// applied, the slot's wrestler files replace the working ones and the hub is shown. True when loaded.
bool LoadFromSlot(Game& game, int slot);

// The named saves (SaveUnderName and the main menu's saved-game list) are declared with the game's services.

class SaveSlotScreen : public Screen, public screens::SaveSlotScreen {
public:
    explicit SaveSlotScreen(Game& game);
    void Form28_Command1_Click();
    void Form28_Command2_Click();
    void Form28_Command3_Click();
    void Form28_Command4_Click();
};

class LoadSlotScreen : public Screen, public screens::LoadSlotScreen {
public:
    explicit LoadSlotScreen(Game& game);
    void Form29_Command1_Click();
    void Form29_Command2_Click();
    void Form29_Command3_Click();
    void Form29_Command4_Click();
};

void registerSavedGameScreens(Game& game);

}  // namespace varnholt
