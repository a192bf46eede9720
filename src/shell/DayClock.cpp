#include "shell/DayClock.h"

#include "forms/Numbers.h"

namespace varnholt {

int RivalDriftStep(double draw) {
    int r = static_cast<int>(forms::Int(5 * draw)) + 1;
    if (r == 1) return 1;
    if (r == 5) return -1;
    return 0;
}

bool IsShowDay(const std::string& showMode, const std::string& dayName) {
    if (showMode == NormalMode) return dayName == "Wednesday";
    if (showMode == TouringMode) return dayName == "Wednesday" || dayName == "Sunday";
    return false;
}

std::string NextWeekLabel(const std::string& weekLabel, std::string& year) {
    if (weekLabel == "Week 52") {
        year = forms::CStr(static_cast<long long>(forms::Saturate32(static_cast<long long>(forms::CLng(year)) + 1)));
        return "Week 1";
    }
    for (int week = 1; week <= 51; ++week)
        if (weekLabel == "Week " + std::to_string(week)) return "Week " + std::to_string(week + 1);
    return weekLabel;
}

std::optional<RedWeekOutcome> RedWeekStep(int16_t redWeeks) {
    switch (redWeeks) {
        case 4: return RedWeekOutcome{true, "", 4};
        case 3: return RedWeekOutcome{false, "We still owe money?! You have only one week to save your job.", 4};
        case 2: return RedWeekOutcome{false, "You are running out of time - we need money, and fast!", 3};
        case 1:
            return RedWeekOutcome{false,
                                  "We still have no money - infact we still owe it! You have three weeks to turn "
                                  "things around.",
                                  2};
        case 0: return RedWeekOutcome{false, "We are in the red financially. You have four weeks to turn things around.", 1};
        default: return std::nullopt;
    }
}

std::optional<NoShowOutcome> NoShowStep(int16_t noShowDays) {
    switch (noShowDays) {
        case 14: return NoShowOutcome{false, "We haven't put on an event for two weeks? What's up?", 2};
        case 21:
            return NoShowOutcome{false, "We haven't put on an event for three weeks? The fans are getting impatient!", 5};
        case 28: return NoShowOutcome{false, "We haven't put on an event for a month?! Are you nuts?!", 15};
        case 33: return NoShowOutcome{true, "", 0};
        default: return std::nullopt;
    }
}

int16_t NextTvDealStreak(int16_t streak, int16_t popularity) {
    if (popularity >= 90) return forms::Saturate16(streak + 1);
    if (popularity >= 85) return forms::Saturate16(streak - 1);
    return 0;
}

std::optional<TvDealOffer> TvDealOfferFor(int16_t streak) {
    switch (streak) {
        case 4: return TvDealOffer{1, "You have been offered a TV deal with Channel 4. They will pay you £250 for each weekly show."};
        case 8: return TvDealOffer{2, "You have been offered a TV deal with BBC2. They will pay you £500 for each weekly show."};
        case 12: return TvDealOffer{3, "You have been offered a TV deal with ITV1. They will pay you £750 for each weekly show."};
        case 16: return TvDealOffer{4, "You have been offered a TV deal with BBC1. They will pay you £1000 for each weekly show."};
        default: return std::nullopt;
    }
}

}  // namespace varnholt
