// Values of the management screens that the game keeps outside them: the staff and sponsor figures a
// show night pays, the feuds, and the title the rename dialog works on.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/Globals.h"

namespace varnholt {

// A feud's heat in words: "Very low" for 1 .. "Very high" for 5.
inline constexpr std::array<const char*, 5> FeudHeatWords = {"Very low", "Low", "Average", "High", "Very high"};
// The word of a heat 1..5; nothing for another number.
inline std::optional<std::string> FeudHeatWord(int heat) {
    if (heat < 1 || heat > 5) return std::nullopt;
    return std::string(FeudHeatWords[static_cast<std::size_t>(heat - 1)]);
}

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
