// The wrestler database's shared values: the one record buffer, the last record found, the counts and
// the paths of the working files.
#pragma once

#include <cstdint>
#include <string>

#include "game/Globals.h"
#include "wrestlers/WrestlerRecord.h"

namespace varnholt {

constexpr int RosterLimit = 20;

struct WrestlerGlobals {
    WrestlerRecord CurrentWrestler = WrestlerRecord::cleared();
    // The counts and record numbers are 32-bit: a wrestler file grown by a fault past 32,767 records is
    // still listed, searched and rewritten whole.
    int32_t CurrentRecordNumber = 0;
    int32_t WrestlerCount = 0;
    int32_t RosterCount = 0;
    int16_t EditMode = 0;
    std::string WrestlerFilePath;
    std::string RosterFilePath;
    std::string TempFilePath;

    void describe(GlobalTable& table);
};

}  // namespace varnholt
