// Values of the shownight screens that the game keeps outside them: the night's counters and the
// figures fixed when the venue is booked, shared by every match screen.
#pragma once

#include <cstdint>
#include <string>

#include "game/Globals.h"

namespace varnholt {

// The marks of the night's match counter: a night has five matches, the counter names the next one to be
// played from the first, and stands one past the last once all five are played.
inline constexpr int16_t MatchesInANight = 5;
inline constexpr int16_t FirstMatch = 1;
inline constexpr int16_t LastMatch = MatchesInANight;
inline constexpr int16_t AfterTheLastMatch = LastMatch + 1;

struct ShowNightGlobals {
    std::string MatchCounter;        // the number of the next match, "1".."6"
    int32_t ShowCost = 0;            // the night's wrestler wages so far, pounds
    int16_t StipulationCost = 0;     // the last match's stipulation, charged at the end of the night
    int32_t MatchRatingTotal = 0;    // the sum of the night's ratings; the night rating after the fifth match
    int32_t MatchRating = 0;         // the last match's rating, uncapped
    int16_t VenueIndex = 0;          // the venue button booked last, 0..25
    int16_t VenueCapacity = 0;
    int16_t Attendance = 0;
    int32_t ArenaCost = 0;
    int32_t GateReceipts = 0;
    int32_t PolaroidIncome = 0;
    int32_t TvIncome = 0;

    void describe(GlobalTable& table);
};

}  // namespace varnholt
