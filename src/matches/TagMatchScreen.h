// The tag-team match screen: two teams of two from the roster; the winning team's scorer makes the
// finish, and a title match hands the tag-team championship to the winning pair.
#pragma once

#include <array>
#include <string>

#include "matches/MatchScreen.h"

namespace varnholt {

class TagMatchScreen : public MatchScreen, public screens::TagMatchScreen {
public:
    explicit TagMatchScreen(Game& game);

    void Form17_Form_Load();
    void Form17_List1_Click() { ChooseMatchType(); }     // match type
    void Form17_List2_Click() { ChooseStipulation(); }   // stipulation
    void Form17_List3_Click() { ChooseChampionship(); }  // championship
    void Form17_lstData_Click() { PickWrestler(); }      // a roster pick
    void Form17_Command1_Click();  // W1
    void Form17_Command2_Click();  // W2
    void Form17_Command5_Click();  // W3
    void Form17_Command7_Click();  // W4
    void Form17_Command3_Click() { PressMatch(); }  // Match / End night
    void Form17_Command4_Click() { NextMatch(); }   // Next match
    void Form17_Command6_Click();  // N

    const std::array<std::string, 2>& tagChampions() const { return TagChampions; }

private:
    void chooseWinners(int scorer, int partner, int firstLoser, int secondLoser, int winningTeam);
    void playMatch() override;
    void recordResult() override;
    void readTagChampions();

    std::string Scorer, ScorerPartner, FirstLoser, SecondLoser;
    std::array<int32_t, 2> TeamOverFigure{};  // each team's Over, in 32 bits for damaged figures
    std::array<std::string, 2> TagChampions;
};

}  // namespace varnholt
