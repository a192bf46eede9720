// The game's random generator. It is never seeded, so every run of the program draws the same
// sequence: x := (x * 1140671485 + 12820163) mod 2^24 from x = 327680, a draw is x / 2^24.
#pragma once

#include <cstdint>

namespace forms {

class Random {
public:
    double next() {
        state_ = (state_ * 1140671485u + 12820163u) & 0xFFFFFFu;
        return static_cast<double>(state_) / 16777216.0;
    }
    // A choice among n things: the integer part of n times a draw, plus one.
    int choose(int n) { return static_cast<int>(n * next()) + 1; }
    void restart() { state_ = 327680u; }
    uint32_t state() const { return state_; }
    void setState(uint32_t s) { state_ = s & 0xFFFFFFu; }

private:
    uint32_t state_ = 327680u;
};

}  // namespace forms
