// The two list screens of the roster: the ScoutScreen lists the free agents and hires one, the
// RosterScreen lists the player's roster and fires one. Both show the picked wrestler on the same card and
// are unloaded when left, so each visit rebuilds its list from the record file.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/Screen.h"

namespace varnholt {

// Whether a free agent of this polaroid share agrees to wrestle for a federation of this popularity:
// five times the share may not exceed the popularity plus 40. A share that is not a number refuses.
bool AgreesToSign(std::string_view polaroidPercentText, int16_t popularity);

class ScoutScreen : public Screen, public screens::ScoutScreen {
public:
    explicit ScoutScreen(Game& game);

    void Form6_Form_Load();
    void Form6_lstData_Click();
    void Form6_Command1_Click();  // Hire?
    void Form6_Command2_Click();  // Return to menu
    void Form6_Command6_Click();  // N
};

class RosterScreen : public Screen, public screens::RosterScreen {
public:
    explicit RosterScreen(Game& game);

    void Form8_Form_Load();
    void Form8_lstData_Click();
    void Form8_Command1_Click();  // Fire?
    void Form8_Command2_Click();  // Return to menu
    void Form8_Command6_Click();  // N
};

}  // namespace varnholt
