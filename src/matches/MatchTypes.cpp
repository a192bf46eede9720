#include "matches/MatchTypes.h"

#include <stdexcept>

#include "matches/Commentary.h"
#include "matches/MatchBoxes.h"

namespace varnholt {

namespace {

std::vector<std::string> singlesTitleItems() {
    std::vector<std::string> items;
    for (const auto& t : SinglesTitles) items.push_back(t.item);
    items.push_back(NoTitle);
    return items;
}

}  // namespace

const std::array<MatchType, 4> MatchTypes = {{
    {
        .item = "Singles",
        .screen = screens::SinglesMatchScreen::Name,
        .wrestlers = 2,
        .prompts = {"Label16", "Label17"},
        .britishOffered = true,
        .championships = singlesTitleItems(),
        .randomWinner = true,
        .scoreDivisor = 1.0,
        .matchTypeBonus = 0,
        .referee = RefereeSkillFrom::ScreenLoad,
        .tiesRateTwice = false,
        .wageIncludesStipulation = false,
        .commentary = nullptr,
        .normalPairSlots = 2,
        .nextButton = "Command5",
        .winnerCaption = "Winner",
        .partnerBox = false,
        .nameRows = 1,
        .shown = {"Text21", "Text22", "Label12"},
        .signedRating = false,
        .signedNightRating = true,
        .weekWagesAtLoad = true,
        .captionsTravel = true,
        .winnerCaptionStays = false,
        .emptiedOnArrival = {},
        .refereeLeaves = true,
        .firstNamesStay = true,
        .settlement = Settlement::AddingToWeek,
    },
    {
        .item = "Tag Team",
        .screen = screens::TagMatchScreen::Name,
        .wrestlers = 4,
        .prompts = {"Label16"},
        .britishOffered = false,
        .championships = {TagTeamTitle.item, NoTitle},
        .randomWinner = false,
        .scoreDivisor = 2.0,
        .matchTypeBonus = 5,
        .referee = RefereeSkillFrom::Hired,
        .tiesRateTwice = false,
        .wageIncludesStipulation = true,
        .commentary = &TagCommentaryTables,
        .normalPairSlots = 4,
        .nextButton = "Command4",
        .winnerCaption = "Winners",
        .partnerBox = true,
        .nameRows = 3,
        .shown = {"Text24", "Text25", "Text26", "Text27", "Label12(0)", "Label12(1)"},
        .signedRating = true,
        .signedNightRating = true,
        .weekWagesAtLoad = false,
        .captionsTravel = false,
        .winnerCaptionStays = true,
        .emptiedOnArrival = {MatchBoxes::PolaroidMoney, MatchBoxes::NameBoxes[2]},
        .refereeLeaves = true,
        .firstNamesStay = true,
        .settlement = Settlement::ReplacingWeekKeepingPopularityCopy,
    },
    {
        .item = "Triple Threat",
        .screen = screens::TripleThreatMatchScreen::Name,
        .wrestlers = 3,
        .prompts = {"Label16", "Label17", "Label20"},
        .britishOffered = false,
        .championships = singlesTitleItems(),
        .randomWinner = true,
        .scoreDivisor = 1.5,
        .matchTypeBonus = 3,
        .referee = RefereeSkillFrom::Hired,
        .tiesRateTwice = false,
        .wageIncludesStipulation = true,
        .commentary = &TripleThreatCommentaryTables,
        .normalPairSlots = 3,
        .nextButton = "Command7",
        .winnerCaption = "Winner",
        .partnerBox = false,
        .nameRows = 3,
        .shown = {"Text22", "Text24", "Text25", "Label12(0)", "Label12(1)", "Label12(2)"},
        .signedRating = true,
        .signedNightRating = false,
        .weekWagesAtLoad = true,
        .captionsTravel = true,
        .winnerCaptionStays = false,
        .emptiedOnArrival = {},
        .refereeLeaves = false,
        .firstNamesStay = false,
        .settlement = Settlement::ReplacingWeek,
    },
    {
        .item = "Four Way",
        .screen = screens::FourWayMatchScreen::Name,
        .wrestlers = 4,
        .prompts = {"Label16"},
        .britishOffered = false,
        .championships = singlesTitleItems(),
        .randomWinner = true,
        .scoreDivisor = 2.0,
        .matchTypeBonus = 5,
        .referee = RefereeSkillFrom::Hired,
        .tiesRateTwice = true,
        .wageIncludesStipulation = true,
        .commentary = &FourWayCommentaryTables,
        .normalPairSlots = 4,
        .nextButton = "Command8",
        .winnerCaption = "Winner",
        .partnerBox = false,
        .nameRows = 3,
        .shown = {"Text24", "Text25", "Text26", "Text27", "Label12(0)", "Label12(1)", "Label12(2)", "Label12(3)"},
        .signedRating = false,
        .signedNightRating = false,
        .weekWagesAtLoad = true,
        .captionsTravel = true,
        .winnerCaptionStays = false,
        .emptiedOnArrival = {},
        .refereeLeaves = false,
        .firstNamesStay = false,
        .settlement = Settlement::ReplacingWeek,
    },
}};

const MatchType& MatchTypeFor(std::string_view item) {
    for (const auto& m : MatchTypes)
        if (item == m.item) return m;
    return MatchTypes[0];
}

const MatchType& MatchTypeOfScreen(std::string_view screen) {
    for (const auto& m : MatchTypes)
        if (screen == m.screen) return m;
    throw std::logic_error("no match type is played on screen " + std::string(screen));
}

std::vector<std::string> MatchTypeItems() {
    // The list shows the types in its own order: the tag match last.
    std::vector<std::string> items;
    for (const char* screen : {screens::SinglesMatchScreen::Name, screens::TripleThreatMatchScreen::Name,
                               screens::FourWayMatchScreen::Name, screens::TagMatchScreen::Name})
        items.push_back(MatchTypeOfScreen(screen).item);
    return items;
}

const std::array<StipulationRules, 6> Stipulations = {{
    {.name = "Normal", .brawling = 0, .speed = 0, .technical = 0, .cost = int16_t{0}, .singlesOnly = false},
    {.name = "Submission", .brawling = 1, .speed = 1, .technical = 4, .cost = int16_t{0}, .singlesOnly = false},
    {.name = "British", .brawling = 0, .speed = 0, .technical = 0, .cost = std::nullopt, .singlesOnly = true},
    {.name = "Hardcore", .brawling = 3, .speed = 1, .technical = 1, .cost = int16_t{100}, .singlesOnly = false},
    {.name = "Ladder", .brawling = 3, .speed = 5, .technical = 3, .cost = int16_t{250}, .singlesOnly = false},
    {.name = "Cage", .brawling = 5, .speed = 3, .technical = 1, .cost = int16_t{500}, .singlesOnly = false},
}};

const Title* SinglesTitleFor(std::string_view item) {
    for (const auto& t : SinglesTitles)
        if (item == t.item) return &t;
    return nullptr;
}

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
