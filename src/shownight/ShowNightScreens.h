// The screens of a show night: the venue booking, the polaroid choice and the singles match screen
// on which every night opens and is played.
#pragma once

#include <array>
#include <string>

#include "shownight/MatchScreen.h"

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

private:
    std::string PolaroidWrestlerName;
    int16_t PolaroidPercentValue = 0;
};

class SinglesMatchScreen : public MatchScreen, public screens::SinglesMatchScreen {
public:
    explicit SinglesMatchScreen(Game& game);
    void Form10_Form_Load();
    void Form10_List1_Click();
    void Form10_List2_Click();
    void Form10_List3_Click();
    void Form10_lstData_Click();
    void Form10_Command1_Click();  // W1
    void Form10_Command2_Click();  // W2
    void Form10_Command4_Click();  // R
    void Form10_Command3_Click();  // Match / End night
    void Form10_Command5_Click();  // Next match
    void Form10_Command6_Click();  // N

private:
    void chooseWinner(const char* winnerBox, const char* loserBox, const char* winnerOver, const char* loserOver);
    void playMatch();
    void recordResult();

    bool SlotSelector = true;
    int16_t PickCount = 0;
    std::array<SlotStats, 2> Slot{};
    std::string WinnerName, LoserName;
    int16_t WinnerChosen = 0;
    int16_t RefereeSkillAtLoad = 0;
    CategoryScores Scores;
    int32_t W = 0;  // the match's wage bill
};

// The venues: capacity and name by button index (0..12 down the left column, 25..13 down the right).
struct Venue {
    int16_t capacity;
    const char* name;
};
extern const std::array<Venue, 26> Venues;

}  // namespace varnholt
