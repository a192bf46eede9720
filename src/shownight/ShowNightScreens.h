// The screens that open a show night: the venue booking and the polaroid choice. The night then goes on
// on the match screens.
#pragma once

#include <array>
#include <string>

#include "game/Screen.h"

namespace varnholt {

class VenueScreen : public Screen, public screens::VenueScreen {
public:
    explicit VenueScreen(Game& game);
    void Form14_Form_Load();
    void Form14_Command1_Click(int Index);  // a venue
    void Form14_Command14_Click();          // Cancel show
    void Form14_Command16_Click();          // N
};

class PolaroidScreen : public Screen, public screens::PolaroidScreen {
public:
    explicit PolaroidScreen(Game& game);
    void Form23_Form_Load();
    void Form23_lstData_Click();
    void Form23_Command3_Click();  // Continue
    void Form23_Command6_Click();  // N
    void Form23_Form_Close();      // the close box

    static constexpr const char* NoPolaroidQuestion =
        "Nobody has been picked for the polaroids, so there will be no polaroid sales tonight. Go on to the show "
        "without a polaroid wrestler?";
    static constexpr const char* NoPolaroidTitle = "No polaroids?";

private:
    std::string PolaroidWrestlerName;
    int16_t PolaroidPercentValue = 0;
};

// The venues: capacity and name by button index (0..12 down the left column, 25..13 down the right).
struct Venue {
    int16_t capacity;
    const char* name;
};
extern const std::array<Venue, 26> Venues;

}  // namespace varnholt
