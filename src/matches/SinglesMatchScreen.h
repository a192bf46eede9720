// The singles match screen, on which every show night opens: two wrestlers from the roster, the winner
// chosen beforehand (or drawn); the winner gains Over and the loser loses it, and a feud between them
// heats up or cools down.
#pragma once

#include <string>

#include "matches/MatchScreen.h"

namespace varnholt {

class SinglesMatchScreen : public MatchScreen, public screens::SinglesMatchScreen {
public:
    explicit SinglesMatchScreen(Game& game);
    void Form10_Form_Load();
    void Form10_List1_Click() { ChooseMatchType(); }
    void Form10_List2_Click() { ChooseStipulation(); }
    void Form10_List3_Click() { ChooseChampionship(); }
    void Form10_lstData_Click();
    void Form10_Command1_Click();  // W1
    void Form10_Command2_Click();  // W2
    void Form10_Command4_Click();  // R
    void Form10_Command3_Click() { PressMatch(); }  // Match / End night
    void Form10_Command5_Click();  // Next match
    void Form10_Command6_Click();  // N

private:
    void chooseWinner(int winnerSlot);
    void playMatch() override;
    void recordResult() override;

    int16_t PickCount = 0;  // roster clicks since the load or the last "Next match"
    std::string WinnerName, LoserName;
};

}  // namespace varnholt
