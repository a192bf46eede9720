// The federation's values kept beside the hub's fields.
#pragma once

#include <array>
#include <cstdint>

#include "game/Globals.h"

namespace varnholt {

struct ShellGlobals {
    int16_t Popularity = 0;
    int32_t Money = 0;  // pounds; a successful federation passes 32767
    std::array<int16_t, 12> RivalPopularity{};  // slots 1..12 at [0]..[11]
    int16_t TvDealLevel = 0;
    int16_t NoShowDays = 0;
    // The hub's week-end counters, read from its hidden stores when it loads: weeks in a row popular
    // enough for a TV deal, and weeks ended in the red.
    int16_t TvDealStreak = 0;
    int16_t RedWeeks = 0;

    void describe(GlobalTable& table);
};

}  // namespace varnholt
