// The sponsor screen: twelve sponsors, each paying a fixed amount for every show night once signed,
// if the federation is popular enough for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/Screen.h"

namespace varnholt {

// A row of the sponsor screen: the sponsor, what it pays and says, and the row's controls.
struct Sponsor {
    const char* name;
    const char* amount;                // per show, pounds
    std::optional<int16_t> threshold;  // the lowest popularity it signs at; nothing: always signs
    const char* slogan;
    const char* website;  // the slogan box's tool tip
    const char* button;   // captioned with the sponsor's name
    const char* amountBox;
    const char* sloganBox;
};
extern const std::array<Sponsor, 12> Sponsors;

// Whether a sponsor signs with a federation of this popularity.
bool SponsorSigns(const Sponsor& sponsor, int16_t popularity);

class SponsorScreen : public Screen, public screens::SponsorScreen {
public:
    explicit SponsorScreen(Game& game);
    void Form15_Form_Load();
    void Form15_Command1_Click();   // Return to menu
    void Form15_Command14_Click();  // N
    // Command2 .. Command13: the sponsors, top to bottom.
    void Form15_Command2_Click();
    void Form15_Command3_Click();
    void Form15_Command4_Click();
    void Form15_Command5_Click();
    void Form15_Command6_Click();
    void Form15_Command7_Click();
    void Form15_Command8_Click();
    void Form15_Command9_Click();
    void Form15_Command10_Click();
    void Form15_Command11_Click();
    void Form15_Command12_Click();
    void Form15_Command13_Click();

private:
    void SignSponsor(std::size_t row);
};

}  // namespace varnholt
