#include "shownight/VenueRules.h"

#include "forms/Numbers.h"

namespace varnholt {

using forms::I32;

int16_t AttendanceRule(int16_t popularity, int16_t capacity, const Draw& rnd) {
    auto band = [&](int factor) {
        return forms::CLng(factor * static_cast<double>(popularity) + forms::Int(rnd() * 9));
    };
    int32_t a = band(4);
    if (popularity > 40) a = band(6);
    if (popularity > 60) a = band(8);
    if (popularity > 80) a = band(10);
    if (a > capacity) a = capacity;
    if (a < 0) a = 0;
    return static_cast<int16_t>(a);
}

double PolaroidIncomeFor(int16_t polaroidPercent, int16_t attendance) {
    int32_t buyers = I32(static_cast<long long>(polaroidPercent) * 5 * attendance);
    return buyers / 100.0;
}

}  // namespace varnholt
