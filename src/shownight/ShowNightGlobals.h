// Values of the shownight screens that the game keeps outside them.
#pragma once

#include <cstdint>
#include <string>

#include "game/Globals.h"

namespace varnholt {

struct ShowNightGlobals {
    void describe(GlobalTable& table);
};

}  // namespace varnholt
