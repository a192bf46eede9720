#include "wrestlers/WrestlerGlobals.h"

namespace varnholt {

void WrestlerGlobals::describe(GlobalTable& t) {
    t.add("CurrentRecordNumber", [this](int) { return std::to_string(CurrentRecordNumber); });
    t.add("WrestlerCount", [this](int) { return std::to_string(WrestlerCount); });
    t.add("RosterCount", [this](int) { return std::to_string(RosterCount); });
    t.add("EditMode", [this](int) { return std::to_string(EditMode); });
    for (const char* field : {"Id", "Name", "Brawling", "Technical", "Speed", "Over", "Wage", "Alignment", "BirthPlace",
                              "Biography", "PolaroidPercent"}) {
        std::string f = field;
        t.add("CurrentWrestler." + f, [this, f](int) { return recordField(CurrentWrestler, f); });
    }
}

}  // namespace varnholt
