// The StaffScreen: a fixed table of eleven referees and eleven MCs; a click on a row hires that person,
// and the show night reads the 16-bit copies of the hired staff's skill and wage.
#pragma once

#include <array>
#include <string>

#include "game/Screen.h"

namespace varnholt {

// One row of the StaffTable: the row's skill and wage texts, then for the referee and for the MC the button
// captioned with the person's name, the skill and wage boxes beside it, and the name.
struct StaffRow {
    const char* skill;
    const char* wage;
    const char* refereeButton;
    const char* refereeSkillBox;
    const char* refereeWageBox;
    const char* refereeName;
    const char* mcButton;
    const char* mcSkillBox;
    const char* mcWageBox;
    const char* mcName;
};

inline constexpr int StaffRows = 11;
extern const std::array<StaffRow, StaffRows> StaffTable;

class StaffScreen : public Screen, public screens::StaffScreen {
public:
    explicit StaffScreen(Game& game);

    void Form12_Form_Load();
    // Referee rows 1 to 11.
    void Form12_Command2_Click();
    void Form12_Command3_Click();
    void Form12_Command4_Click();
    void Form12_Command5_Click();
    void Form12_Command6_Click();
    void Form12_Command7_Click();
    void Form12_Command8_Click();
    void Form12_Command9_Click();
    void Form12_Command10_Click();
    void Form12_Command12_Click();
    void Form12_Command13_Click();
    // MC rows 1 to 11.
    void Form12_Command24_Click();
    void Form12_Command25_Click();
    void Form12_Command23_Click();
    void Form12_Command22_Click();
    void Form12_Command21_Click();
    void Form12_Command20_Click();
    void Form12_Command19_Click();
    void Form12_Command18_Click();
    void Form12_Command17_Click();
    void Form12_Command16_Click();
    void Form12_Command15_Click();
    void Form12_Command1_Click();   // Return to menu
    void Form12_Command11_Click();  // N

private:
    void hireReferee(int row);  // row 1..11
    void hireMC(int row);
    // The four integer copies from the current-staff boxes.
    void takeRefereeFigures();
    void takeMCFigures();
};

}  // namespace varnholt
