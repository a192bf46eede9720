// The CreateFederationScreen: the player types his own federation's name, initials, owner, home, four
// title names and starting popularity and money; Play starts the game with them on the hub.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/Screen.h"

namespace varnholt {

// The starting figures of a created federation, rounded to whole numbers (a half to the even neighbour).
struct CreatedFederationFigures {
    int16_t popularity = 0;
    int16_t money = 0;
};

// The ten texts the player types, in screen order.
struct CreatedFederationTexts {
    std::string name, initials, owner, based;
    std::string primaryTitle, secondaryTitle, tertiaryTitle, tagTeamTitle;
    std::string popularity, money;
};

// Checks the typed texts: none may be empty, the popularity must be a number from 0 to 100 and the money
// one from -20000 to 20000, both taken before rounding. Nothing when the federation must be refused.
std::optional<CreatedFederationFigures> CheckCreatedFederation(const CreatedFederationTexts& texts);

class CreateFederationScreen : public Screen, public screens::CreateFederationScreen {
public:
    explicit CreateFederationScreen(Game& game);

    void Form5_Form_Load();
    void Form5_Command2_Click();  // Play
    void Form5_Command1_Click();  // Back
};

}  // namespace varnholt
