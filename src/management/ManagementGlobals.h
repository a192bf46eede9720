// Values of the management screens that the game keeps outside them: the staff and sponsor figures a
// show night pays, the feuds, and the title the rename dialog works on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/Globals.h"

namespace varnholt {

struct ManagementGlobals {
    int16_t RefereeSkill = 0;
    int16_t RefereeWage = 0;
    int16_t MCSkill = 0;
    int16_t MCWage = 0;
    int16_t SponsorAmount = 0;
    std::string RenameTitleNo;
    std::array<std::array<std::string, 2>, 4> FeudNames{};  // feuds 1..4 at [0]..[3]: first and second pick
    std::array<int16_t, 4> FeudHeat{};                       // feuds 1..4 at [0]..[3]

    void describe(GlobalTable& table);
};

}  // namespace varnholt
