#include "matches/MatchTypes.h"

#include "game/ScreenNames.h"
#include "matches/Commentary.h"

namespace varnholt {

namespace {

const std::vector<std::string> SinglesTitles = {"Primary", "Secondary", "Tertiary", "None"};

}  // namespace

const std::array<MatchType, 4> MatchTypes = {{
    {"Singles", screens::SinglesMatchScreen::Name,
     2, {"Label16", "Label17"}, true, SinglesTitles, true, true,
     1.0, 0, false, false, nullptr, 2,
     "Command5", "Winner", 1, {"Text21", "Text22", "Label12"}, false, true,
     true, true, true, true, Settlement::AddingToWeek},
    {"Tag Team", screens::TagMatchScreen::Name,
     4, {"Label16"}, false, {"Tag Team", "None"}, false, false,
     2.0, 5, false, true, &TagCommentaryTables, 4,
     "Command4", "Winners", 3, {"Text24", "Text25", "Text26", "Text27", "Label12(0)", "Label12(1)"}, true, true,
     false, false, true, true, Settlement::ReplacingWeekKeepingPopularityCopy},
    {"Triple Threat", screens::TripleThreatMatchScreen::Name,
     3, {"Label16", "Label17", "Label20"}, false, SinglesTitles, true, false,
     1.5, 3, false, true, &TripleThreatCommentaryTables, 3,
     "Command7", "Winner", 3, {"Text22", "Text24", "Text25", "Label12(0)", "Label12(1)", "Label12(2)"}, true, false,
     true, true, false, false, Settlement::ReplacingWeek},
    {"Four Way", screens::FourWayMatchScreen::Name,
     4, {"Label16"}, false, SinglesTitles, true, false,
     2.0, 5, true, true, &FourWayCommentaryTables, 4,
     "Command8", "Winner", 3,
     {"Text24", "Text25", "Text26", "Text27", "Label12(0)", "Label12(1)", "Label12(2)", "Label12(3)"}, false, false,
     true, true, false, false, Settlement::ReplacingWeek},
}};

const MatchType& MatchTypeFor(std::string_view item) {
    for (const auto& m : MatchTypes)
        if (item == m.item) return m;
    return MatchTypes[0];
}

std::vector<std::string> MatchTypeItems() {
    // The list shows the types in its own order: the tag match last.
    return {MatchTypes[0].item, MatchTypes[2].item, MatchTypes[3].item, MatchTypes[1].item};
}

const std::array<StipulationRules, 6> Stipulations = {{
    {"Normal", 0, 0, 0, int16_t{0}, false},
    {"Submission", 1, 1, 4, int16_t{0}, false},
    {"British", 0, 0, 0, std::nullopt, true},
    {"Hardcore", 3, 1, 1, int16_t{100}, false},
    {"Ladder", 3, 5, 3, int16_t{250}, false},
    {"Cage", 5, 3, 1, int16_t{500}, false},
}};

const StipulationRules* StipulationFor(std::string_view name) {
    for (const auto& s : Stipulations)
        if (name == s.name) return &s;
    return nullptr;
}

std::vector<std::string> StipulationItems(const MatchType& type) {
    std::vector<std::string> items;
    for (const auto& s : Stipulations)
        if (!s.singlesOnly || type.britishOffered) items.push_back(s.name);
    return items;
}

}  // namespace varnholt
