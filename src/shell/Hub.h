// The federation hub: the main screen of a running game, with the day-by-day clock.
#pragma once

#include <cstdint>

#include "game/Screen.h"

namespace varnholt {

class FederationHub : public Screen, public screens::FederationHub {
public:
    explicit FederationHub(Game& game);

    void Form4_Form_Load();
    void Form4_Command1_Click();  // NEXT DAY
    void Form4_Command2_Click();  // STAFF
    void Form4_Command3_Click();  // CHAMPIONS
    void Form4_Command4_Click();  // N
    void Form4_Command5_Click();  // ROSTER
    void Form4_Command6_Click();  // FINANCES
    void Form4_Command7_Click();  // SCOUT WRESTLERS
    void Form4_Command8_Click();  // SPONSORSHIP
    void Form4_Command9_Click();  // FEDERATION INFORMATION
    void Form4_Command10_Click(); // INTERNET
    void Form4_Command11_Click(); // FEUDS
    void Form4_Command12_Click(); // QUIT
    void Form4_Command14_Click(); // SAVE
    void Form4_Save_Click();      // the second SAVE, built hidden: a save under a name of the player's

private:
    // Closes the game week; false when it ended the game.
    bool CloseWeek();
    template <class Other>
    void openAndHide();
};

// The end of a game by bankruptcy or dismissal: the message, then back to the main menu.
void GameOver(Game& game, bool bankruptcy);

}  // namespace varnholt
