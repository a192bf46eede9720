// The federation's four championships: the ChampionsScreen with each title's name, holder and previous
// holders, the RenameDialog, and the history shift that Vacate and every title change after a match use.
#pragma once

#include <string>

#include "game/Screen.h"

namespace varnholt {

class ChampionsScreen : public Screen, public screens::ChampionsScreen {
public:
    explicit ChampionsScreen(Game& game);

    void Form11_Form_Load();
    void Form11_Command2_Click();   // Vacate primary
    void Form11_Command3_Click();   // Vacate secondary
    void Form11_Command4_Click();   // Vacate tertiary
    void Form11_Command5_Click();   // Vacate tag team
    void Form11_Command7_Click();   // Rename primary
    void Form11_Command10_Click();  // Rename secondary
    void Form11_Command8_Click();   // Rename tertiary
    void Form11_Command11_Click();  // Rename tag team
    void Form11_Command1_Click();   // Return to menu
    void Form11_Command6_Click();   // N

private:
    void vacate(int title);
    void rename(const char* titleNo);
};

class RenameDialog : public Screen, public screens::RenameDialog {
public:
    explicit RenameDialog(Game& game);

    void Form9_Form_Load();
    void Form9_Command1_Click();  // Save
    void Form9_Command2_Click();  // Cancel

    // Text1 := the name of the title RenameTitleNo chooses (the load step; a Rename also runs it on an
    // open dialog, so the dialog always shows the title whose Rename was pressed last).
    void showChosenTitleName();
};

// The texts that mean "no champion".
inline constexpr const char* VacantText = "Vacant";

// The TitleName label of a title: 1 primary, 2 secondary, 3 tertiary, 4 tag team ("" for another number).
std::string TitleNameLabel(int title);

// Moves every previous holder of the title one place towards the oldest (the oldest is dropped), puts the
// current holder at place 1 and writes the new holder. title: 1 primary, 2 secondary, 3 tertiary, 4 tag
// team; for the tag title the first partner's box gets newHolder and the second's newPartner. Another
// title number changes nothing. Loads the ChampionsScreen if it is not loaded.
void TitleHistoryShift(Game& game, int title, const std::string& newHolder, const std::string& newPartner = "");

}  // namespace varnholt
