// The new-game screen: the player's name and the choice of a federation to take over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/Screen.h"
#include "shell/Presets.h"

namespace varnholt {

class NewGameScreen : public Screen, public screens::NewGameScreen {
public:
    explicit NewGameScreen(Game& game);

    void Form3_Form_Load();
    // The eleven preset buttons are one operation with the federation as its data.
    void ChoosePresetFederation(const presets::PresetFederation& federation);
    void Form3_Command1_Click() { preset("Command1"); }
    void Form3_Command2_Click() { preset("Command2"); }
    void Form3_Command3_Click() { preset("Command3"); }
    void Form3_Command4_Click() { preset("Command4"); }
    void Form3_Command5_Click() { preset("Command5"); }
    void Form3_Command6_Click() { preset("Command6"); }
    void Form3_Command7_Click() { preset("Command7"); }
    void Form3_Command11_Click() { preset("Command11"); }
    void Form3_Command12_Click() { preset("Command12"); }
    void Form3_Command13_Click() { preset("Command13"); }
    void Form3_Command14_Click() { preset("Command14"); }
    void Form3_Command8_Click();   // CREATE A FED
    void Form3_Command10_Click();  // BACK
    void Form3_Command9_Click();   // the unused twelfth preset

private:
    void preset(std::string_view button);
};

// A federation's start state: what a new game writes into the hub and the screens that hold the game.
struct FederationStart {
    std::string name;      // the hub's federation name
    std::string initials;
    int16_t popularity = 0;
    int32_t money = 0;
    std::string infoName;  // the federation information screen's name
    std::string owner;
    std::string based;
    std::string staffWord;  // first word of the in-house referee and announcer
    // The championships' names and holders, by title as a preset gives them; the texts need only last while the
    // new game starts.
    presets::TitleNames titles;
    std::optional<presets::TitleHolders> holders;  // none: every title keeps its "Vacant"
};

// Starts the game on the hub with a federation, in the order every new game writes it. `leaving` is the
// screen the player started it from, hidden once the hub shows; `selectNoShowsMode` is false when the
// show mode was already chosen.
void StartFederation(Game& game, const FederationStart& start, const char* leaving, bool selectNoShowsMode);

// What a new game must not inherit from an earlier game of the same program run: the TV deal, and the
// staff figures a show night pays, which follow the staff screen's boxes.
void ResetCarriedOverFigures(Game& game);

}  // namespace varnholt
