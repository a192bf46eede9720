// The triple-threat and four-way match screens: three or four wrestlers from the roster, one winner
// chosen beforehand (or drawn), who gains Over; a singles title may change hands.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "matches/MatchScreen.h"

namespace varnholt {

class MultiMatchScreen : public MatchScreen {
public:
    const std::string& winnerName() const { return WinnerName; }
    const std::array<std::string, 3>& loserNames() const { return LoserNames; }

protected:
    using MatchScreen::MatchScreen;

    // The winner's slot (0-based) and the losers' slots in the order the commentary names them.
    void ChooseWinner(int winner, std::vector<int> losers);
    void ChooseWinner(int winner);
    void RandomWinner();

private:
    void playMatch() override;
    void recordResult() override;

    std::string WinnerName;
    std::array<std::string, 3> LoserNames;  // FirstLoserName, SecondLoserName, ThirdLoserName
};

class TripleThreatMatchScreen : public MultiMatchScreen, public screens::TripleThreatMatchScreen {
public:
    explicit TripleThreatMatchScreen(Game& game);

    void Form19_Form_Load() { LoadScreen(); }
    void Form19_List1_Click() { ChooseMatchType(); }
    void Form19_List2_Click() { ChooseStipulation(); }
    void Form19_List3_Click() { ChooseChampionship(); }
    void Form19_lstData_Click() { PickWrestler(); }
    void Form19_Command1_Click() { ChooseWinner(0); }  // W1
    void Form19_Command2_Click() { ChooseWinner(1); }  // W2
    void Form19_Command5_Click() { ChooseWinner(2); }  // W3
    void Form19_Command4_Click() { RandomWinner(); }   // R
    void Form19_Command3_Click() { PressMatch(); }     // Match / End night
    void Form19_Command7_Click() { NextMatch(); }      // Next match
    void Form19_Command6_Click() { game_.show<screens::NotesPad>(); }
};

class FourWayMatchScreen : public MultiMatchScreen, public screens::FourWayMatchScreen {
public:
    explicit FourWayMatchScreen(Game& game);

    void Form20_Form_Load() { LoadScreen(); }
    void Form20_List1_Click() { ChooseMatchType(); }
    void Form20_List2_Click() { ChooseStipulation(); }
    void Form20_List3_Click() { ChooseChampionship(); }
    void Form20_lstData_Click() { PickWrestler(); }
    void Form20_Command1_Click() { ChooseWinner(0); }  // W1
    void Form20_Command2_Click() { ChooseWinner(1); }  // W2
    void Form20_Command5_Click() { ChooseWinner(2); }  // W3
    void Form20_Command7_Click() { ChooseWinner(3); }  // W4
    void Form20_Command4_Click() { RandomWinner(); }   // R
    void Form20_Command3_Click() { PressMatch(); }     // Match / End night
    void Form20_Command8_Click() { NextMatch(); }      // Next match
    void Form20_Command6_Click() { game_.show<screens::NotesPad>(); }
};

}  // namespace varnholt
