#include "shell/ShellGlobals.h"

#include <string>

namespace varnholt {

void ShellGlobals::describe(GlobalTable& t) {
    t.add("Popularity", [this](int) { return std::to_string(Popularity); });
    t.add("Money", [this](int) { return std::to_string(Money); });
    t.add("RivalPopularity", [this](int i) -> std::optional<std::string> {
        if (i < 1 || i > 12) return std::nullopt;
        return std::to_string(RivalPopularity[static_cast<std::size_t>(i - 1)]);
    });
    t.add("TvDealLevel", [this](int) { return std::to_string(TvDealLevel); });
    t.add("NoShowDays", [this](int) { return std::to_string(NoShowDays); });
    t.add("TvDealStreak", [this](int) { return std::to_string(TvDealStreak); });
    t.add("RedWeeks", [this](int) { return std::to_string(RedWeeks); });
}

}  // namespace varnholt
