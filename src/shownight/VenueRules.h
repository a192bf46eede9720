// The arithmetic of booking a show: the crowd a venue draws and the polaroid money it brings. Plain
// functions over numbers, so each rule can be checked on its own.
#pragma once

#include <cstdint>

#include "matches/MatchRules.h"

namespace varnholt {

// What a cancelled show costs in popularity.
inline constexpr int16_t CancelShowPenalty = 15;

// Tonight's crowd: 4, 6, 8 or 10 times the popularity by band plus a fresh Int(Rnd x 9) per band
// passed (one to four draws), capped at the capacity. A crowd is never below 0.
int16_t AttendanceRule(int16_t popularity, int16_t capacity, const Draw& rnd);

// The polaroid money: percent x 5 x crowd / 100, in pounds (it may hold a fraction).
double PolaroidIncomeFor(int16_t polaroidPercent, int16_t attendance);

}  // namespace varnholt
