// The tag-team match screen: two teams of two from the roster; the winning team's scorer makes the
// finish, and a title match hands the tag-team championship to the winning pair.
#pragma once

#include <array>
#include <string>

#include "shownight/MatchScreen.h"

namespace varnholt {

class TagMatchScreen : public MatchScreen, public screens::TagMatchScreen {
public:
    explicit TagMatchScreen(Game& game);

    void Form17_Form_Load();
    void Form17_List1_Click();     // match type
    void Form17_List2_Click();     // stipulation
    void Form17_List3_Click();     // championship
    void Form17_lstData_Click();   // a roster pick
    void Form17_Command1_Click();  // W1
    void Form17_Command2_Click();  // W2
    void Form17_Command5_Click();  // W3
    void Form17_Command7_Click();  // W4
    void Form17_Command3_Click();  // Match / End night
    void Form17_Command4_Click();  // Next match
    void Form17_Command6_Click();  // N

    const std::array<std::string, 2>& tagChampions() const { return TagChampions; }
    int slotSelector() const { return SlotSelector; }

private:
    void chooseWinners(const char* scorer, const char* partner, const char* firstLoser, const char* secondLoser,
                       int winningTeam);
    void playMatch();
    void recordResult();
    void readTagChampions();

    int SlotSelector = 1;
    std::array<SlotStats, 4> Slot{};
    std::string Scorer, ScorerPartner, FirstLoser, SecondLoser;
    std::array<int32_t, 2> TeamOverFigure{};
    int16_t WinnerChosen = 0;
    std::array<std::string, 2> TagChampions;
    int32_t W = 0;  // the match's wage bill with its stipulation
};

}  // namespace varnholt
