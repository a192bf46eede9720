// The rules of the game's calendar and of the week end, as plain functions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace varnholt {

// The order in which the rivals' popularities drift each day, by slot (10 comes before 9).
inline constexpr std::array<int, 12> RivalDriftOrder = {1, 2, 3, 4, 5, 6, 7, 8, 10, 9, 11, 12};

// One rival's drift from a draw in [0, 1): r = Int(5 x draw) + 1; 1 adds one, 5 takes one away.
int RivalDriftStep(double draw);

// The show modes, as the hub's list shows them.
inline constexpr const char* NoShowsMode = "No shows mode";
inline constexpr const char* NormalMode = "Normal mode";  // a show every Wednesday
inline constexpr const char* TouringMode = "Touring mode";  // a show every Wednesday and Sunday
inline constexpr std::array<const char*, 3> ShowModes = {NoShowsMode, NormalMode, TouringMode};

// Whether the day about to pass puts on a show in the given mode.
bool IsShowDay(const std::string& showMode, const std::string& dayName);

// The week label after a week end; the year moves on after "Week 52". Any other label stays.
std::string NextWeekLabel(const std::string& weekLabel, std::string& year);

// A week end in the red: the warning (empty for the bankruptcy, whose message is GameOver's) and RedWeeks
// afterwards.
struct RedWeekOutcome {
    bool bankrupt;
    const char* message;
    int16_t redWeeks;
};
std::optional<RedWeekOutcome> RedWeekStep(int16_t redWeeks);

// A day that passes in NoShowsMode: the warning and the popularity it costs on the 14th, 21st and 28th
// day without a show, the dismissal on the 33rd; nothing on the other days.
struct NoShowOutcome {
    bool dismissed;
    const char* message;
    int16_t popularityLoss;
};
std::optional<NoShowOutcome> NoShowStep(int16_t noShowDays);

// The TV-deal streak after a week end at this popularity.
int16_t NextTvDealStreak(int16_t streak, int16_t popularity);

struct TvDealOffer {
    int16_t level;
    const char* message;
};
std::optional<TvDealOffer> TvDealOfferFor(int16_t streak);

}  // namespace varnholt
