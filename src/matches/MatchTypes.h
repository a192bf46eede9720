// The four match types of a show night, and the stipulations a match is booked with: everything that
// tells one match screen from another is a column here, read by the shared match screen.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/ScreenNames.h"

namespace varnholt {

struct StipulationCommentary;

// How the night is settled when "End night" is pressed on a match screen.
enum class Settlement {
    AddingToWeek,         // TV and polaroid money are paid and the night adds to this week's cells
    ReplacingWeek,        // no TV or polaroid money; the night's figures replace this week's cells
    ReplacingWeekKeepingPopularityCopy,  // as ReplacingWeek; the popularity's copy keeps the value from before
};

// Where a match type's rating takes the referee's skill from.
enum class RefereeSkillFrom {
    ScreenLoad,  // the staff screen's skill box as it stood when the match screen loaded (the singles screen
                 // loads at the venue booking): a referee hired later in the night does not rate here
    Hired,       // the referee hired as the match is played (RefereeSkill): the booking's, or one hired since
};

struct MatchType {
    const char* item;    // the match-type list's item
    const char* screen;  // the screen that books and plays it, by its name in the code

    // Booking.
    int wrestlers;                           // filled in slot order into Text5, Text6, Text21, Text22
    std::vector<const char*> prompts;        // the labels over the name boxes, opened with them
    bool britishOffered;                     // the stipulation list offers "British"
    std::vector<std::string> championships;  // the championship list
    bool randomWinner;                       // an "R" button draws the winner

    // Scoring.
    double scoreDivisor;        // 1: the stats' plain sums; otherwise CLng(sum / divisor)
    int16_t matchTypeBonus;
    RefereeSkillFrom referee;
    bool tiesRateTwice;         // a two-way tie for the lead rates twice and the second rating stands
    bool wageIncludesStipulation;  // the match's wage bill carries the stipulation's cost
    const std::array<StipulationCommentary, 5>* commentary;  // the type's own lines (singles: the common ones)
    int normalPairSlots;        // wrestlers the Normal commentary sends in against each other

    // The result column.
    const char* nextButton;     // "Next match"
    const char* winnerCaption;  // Label8
    bool partnerBox;            // Text23 beside the winner's box names the winner's partner
    int nameRows;               // rows of the competitors' names above the results
    std::vector<const char*> shown;  // the competitors' names over the results in slot order, then the "VS" labels
    bool signedRating;          // the rating box shows a blank before the number
    bool signedNightRating;     // the night rating box likewise

    // The night.
    bool weekWagesAtLoad;  // the screen reads the week's wrestler wages when it loads
    bool captionsTravel;   // the captions go with the night when the player picks another type here
    bool winnerCaptionStays;  // captions the night brings here leave this screen's Label8 as it is
    std::vector<const char*> emptiedOnArrival;  // boxes of this screen the night empties on arrival, after the
                                                // booking boxes it empties on every screen
    bool refereeLeaves;    // the referee's box empties at every "Next match" and stays on at the night's end
    bool firstNamesStay;   // the first two name boxes keep the last match when the night's summary opens
    Settlement settlement;
};

// Singles, Tag Team, Triple Threat, Four Way.
extern const std::array<MatchType, 4> MatchTypes;
// The match type of a list item; singles for a text that is none.
const MatchType& MatchTypeFor(std::string_view item);
// The match type a match screen books and plays, by the screen's name in the code.
const MatchType& MatchTypeOfScreen(std::string_view screen);
// The match-type list's items, the same on every match screen.
std::vector<std::string> MatchTypeItems();

// A championship a match may be for: its item in the championship list, its number in the title history
// and the champions screen's box of its holder.
struct Title {
    const char* item;
    int number;
    const char* holder;
};
// The singles titles, which the singles, triple-threat and four-way screens offer and which alone earn
// the title bonus, and the tag-team title; "None" puts no title at stake.
inline constexpr std::array<Title, 3> SinglesTitles = {{
    {"Primary", 1, screens::ChampionsScreen::PrimaryHolder},
    {"Secondary", 2, screens::ChampionsScreen::SecondaryHolder},
    {"Tertiary", 3, screens::ChampionsScreen::TertiaryHolder},
}};
inline constexpr Title TagTeamTitle = {"Tag Team", 4, screens::ChampionsScreen::TagTeamHolder};
inline constexpr const char* NoTitle = "None";
// The singles title of a championship item; nothing for another item.
const Title* SinglesTitleFor(std::string_view item);

struct StipulationRules {
    const char* name;
    int16_t brawling, speed, technical;  // bonuses added to the category scores
    std::optional<int16_t> cost;         // nothing: the last match's cost stays
    bool singlesOnly;                    // offered only where "British" is
};
// In the order the stipulation lists show them.
extern const std::array<StipulationRules, 6> Stipulations;
const StipulationRules* StipulationFor(std::string_view name);
// A match type's stipulation list.
std::vector<std::string> StipulationItems(const MatchType& type);

}  // namespace varnholt
