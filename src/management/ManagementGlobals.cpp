#include "management/ManagementGlobals.h"

namespace varnholt {

void ManagementGlobals::describe(GlobalTable& t) {
    t.add("RefereeSkill", [this](int) { return std::to_string(RefereeSkill); });
    t.add("RefereeWage", [this](int) { return std::to_string(RefereeWage); });
    t.add("MCSkill", [this](int) { return std::to_string(MCSkill); });
    t.add("MCWage", [this](int) { return std::to_string(MCWage); });
    t.add("SponsorAmount", [this](int) { return std::to_string(SponsorAmount); });
    t.add("RenameTitleNo", [this](int) { return RenameTitleNo; });
    t.add("FeudHeat", [this](int i) -> std::optional<std::string> {
        if (i < 1 || i > 4) return std::nullopt;
        return std::to_string(FeudHeat[static_cast<std::size_t>(i - 1)]);
    });
    // FeudNames(1) .. FeudNames(8): feud 1's first and second pick, then feud 2's, and so on.
    t.add("FeudNames", [this](int i) -> std::optional<std::string> {
        if (i < 1 || i > 8) return std::nullopt;
        return FeudNames[static_cast<std::size_t>((i - 1) / 2)][static_cast<std::size_t>((i - 1) % 2)];
    });
}

}  // namespace varnholt
