#include "shownight/ShowNightGlobals.h"

namespace varnholt {

void ShowNightGlobals::describe(GlobalTable& t) {
    auto number = [&t](const char* name, const auto* value) {
        t.add(name, [value](int) { return std::to_string(*value); });
    };
    t.add("MatchCounter", [this](int) { return MatchCounter; });
    number("ShowCost", &ShowCost);
    number("StipulationCost", &StipulationCost);
    number("MatchRatingTotal", &MatchRatingTotal);
    number("MatchRating", &MatchRating);
    number("VenueIndex", &VenueIndex);
    number("VenueCapacity", &VenueCapacity);
    number("Attendance", &Attendance);
    number("ArenaCost", &ArenaCost);
    number("GateReceipts", &GateReceipts);
    number("PolaroidIncome", &PolaroidIncome);
    number("TvIncome", &TvIncome);
}

}  // namespace varnholt
