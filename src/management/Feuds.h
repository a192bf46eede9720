// Feuds: up to four running grudges between two wrestlers of the roster. A feud's heat starts from the
// two wrestlers' Over, moves with their singles matches, and on its end changes both wrestlers' Over
// by how far it moved.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/Screen.h"
#include "game/Services.h"

namespace varnholt {

// A feud's heat in words: "Very low" for 1 .. "Very high" for 5 (FeudHeatWord, in game/Services.h,
// gives the word of a heat), and the number of a word.
inline constexpr std::array<const char*, 5> FeudHeatWords = {"Very low", "Low", "Average", "High", "Very high"};
std::optional<int16_t> FeudHeatNumber(std::string_view word);

// The starting heat of a new feud: Int(draw x 10) + (OverA + OverB) x 2.5 - 15.
double FeudStartHeat(double draw, int16_t overA, int16_t overB);
// Its word on the row: feud 1 rounds the heat first (a half to even), the other rows band it as it is.
// Above 100 there is no word.
std::optional<std::string> FeudStartWord(int feud, double heat);

// A wrestler's Over after his feud ends, kept within 0..20.
int16_t OverAfterFeud(int16_t over, int delta);

struct FeudRow {
    const char* newButton;
    const char* endButton;
    const char* title;
    const char* heat;
    const char* initialHeat;
};
extern const std::array<FeudRow, 4> FeudRows;

class FeudScreen : public Screen, public screens::FeudScreen {
public:
    explicit FeudScreen(Game& game);
    void Form22_Form_Load();
    void Form22_Command1_Click();   // New, feud 1
    void Form22_Command5_Click();   // New, feud 2
    void Form22_Command8_Click();   // New, feud 3
    void Form22_Command9_Click();   // New, feud 4
    void Form22_lstData_Click();
    void Form22_Command2_Click();   // End, feud 1
    void Form22_Command4_Click();   // End, feud 2
    void Form22_Command7_Click();   // End, feud 3
    void Form22_Command10_Click();  // End, feud 4
    void Form22_Command3_Click();   // Return to menu
    void Form22_Command6_Click();   // N

private:
    void NewFeud(int16_t slot);
    void EndFeud(int16_t slot);

    int16_t FeudSlot = 0;
    bool PickToggle = true;
    int16_t PickStage = 0;
    int16_t PickOverA = 0, PickOverB = 0;
    int32_t NewFeudHeat = 0;
    bool Picking = false;  // New was pressed and the second pick has not been made
};

}  // namespace varnholt
